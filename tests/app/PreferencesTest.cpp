// "Preference Settings": the pages against the settings they edit, and the
// editor applying them to every open map view at once.
#include "ShellFixture.h"
#include "support/WidgetParts.h"

#include "app/commands/ActionTable.h"
#include "app/dialogs/PrefsColors.h"
#include "app/dialogs/PrefsDesktop.h"
#include "app/dialogs/PrefsGeneral.h"
#include "app/dialogs/PrefsGuru.h"
#include "app/dialogs/PrefsProps.h"
#include "app/frames/MapViewPane.h"
#include "app/shell/DocumentManager.h"
#include "support/WhenShown.h"
#include "view/AreaStyle.h"
#include "view/ColorPicker.h"
#include "view/ColorSampleOCX.h"
#include "view/ImageMapView.h"

#include <QAction>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSet>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>

namespace {

// Settings far from the defaults in every value the sheet edits.
Settings unusual() {
    Settings s;
    s.areaPrompt = false;
    s.requireDefault = true;
    s.showAreaTips = false;
    s.showHandles = true;
    s.grabSize = true;
    s.maximizeOnOpen = false;
    s.zoomToFit = true;
    s.defaultColor = 0x010203;
    s.defaultBack = 0x040506;
    s.selectedColor = 0x070809;
    s.selectedBack = 0x0a0b0c;
    s.flybyColor = 0x0d0e0f;
    s.flybyBack = 0x101112;
    s.fillColor = 0x131415;
    s.fillArea = false;
    s.fillType = 2;
    s.maxRecent = 6;
    s.defaultUrlLead = QStringLiteral("https://example.");
    return s;
}

// The values the sheet edits, in a form that compares.
QList<QVariant> edited(const Settings& s) {
    return {s.areaPrompt,     s.requireDefault, s.showAreaTips,  s.showHandles, s.grabSize,
            s.maximizeOnOpen, s.zoomToFit,      s.defaultColor,  s.defaultBack, s.selectedColor,
            s.selectedBack,   s.flybyColor,     s.flybyBack,     s.fillColor,   s.fillArea,
            s.fillType,       s.maxRecent,      s.defaultUrlLead};
}

// A click on a box's indicator, as a user clicks it: a box as wide as its
// page reacts only on its indicator and text, not at its middle.
void clickBox(QCheckBox* box) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->height() / 2, box->height() / 2));
}

void visitEveryPage(CPrefsProps& sheet) {
    for (int i = 0; i < sheet.tabs()->count(); ++i)
        sheet.tabs()->setCurrentIndex(i);
}

class PreferencesTest : public ShellTest {};

} // namespace

TEST_F(PreferencesTest, EveryPageLoadsItsValuesAndStoresWhatIsEntered) {
    const Settings source = unusual();
    {
        CPrefsProps sheet(source, 3);
        sheet.show();
        visitEveryPage(sheet);
        EXPECT_EQ(sheet.windowTitle(), "Preference Settings");
        EXPECT_FALSE(part<QCheckBox>(sheet, "areaPrompt")->isChecked());
        EXPECT_TRUE(part<QCheckBox>(sheet, "grabSize")->isChecked());
        EXPECT_FALSE(part<QCheckBox>(sheet, "zoomToFit")->isEnabled()); // not maximized
        EXPECT_EQ(part<CColorPicker>(sheet, "selectedBack")->color(), 0x0a0b0cu);
        EXPECT_EQ(part<CColorSampleOCX>(sheet, "flybySample")->foreColor(), 0x0d0e0fu);
        EXPECT_EQ(part<CColorSampleOCX>(sheet, "flybySample")->backColor(), 0x101112u);
        EXPECT_EQ(part<QListWidget>(sheet, "hatchList")->currentRow(), 2);
        EXPECT_EQ(part<CColorPicker>(sheet, "fillColor")->hatchStyle(), 2);
        EXPECT_EQ(part<QSpinBox>(sheet, "maxRecent")->value(), 6);
        EXPECT_EQ(part<QLineEdit>(sheet, "defaultUrlLead")->text(), "https://example.");
        sheet.accept();
        EXPECT_EQ(edited(sheet.result()), edited(source)); // a round trip
        EXPECT_FALSE(sheet.clearRecentFiles());
        EXPECT_TRUE(m_prompter.shown().isEmpty()); // the same count says nothing
    }

    CPrefsProps sheet(source, 3);
    sheet.show();
    visitEveryPage(sheet);
    // Hiding handles disables the double size but keeps it.
    clickBox(part<QCheckBox>(sheet, "showHandles"));
    EXPECT_FALSE(part<QCheckBox>(sheet, "grabSize")->isEnabled());
    clickBox(part<QCheckBox>(sheet, "maximizeOnOpen"));
    EXPECT_TRUE(part<QCheckBox>(sheet, "zoomToFit")->isEnabled());
    // A colour chosen in the colour dialog shows in its sample at once.
    whenShown<QColorDialog>([](QColorDialog& dialog) {
        dialog.setCurrentColor(QColor(0x11, 0x22, 0x33));
        dialog.accept();
    });
    part<CColorPicker>(sheet, "selectedColor")->click();
    EXPECT_EQ(part<CColorSampleOCX>(sheet, "selectedSample")->foreColor(), 0x332211u);
    part<QListWidget>(sheet, "hatchList")->setCurrentRow(4);
    EXPECT_EQ(part<CColorPicker>(sheet, "fillColor")->hatchStyle(), 4);
    // The recent-file count stays within 1 to 8.
    QSpinBox* recent = part<QSpinBox>(sheet, "maxRecent");
    recent->setValue(12);
    EXPECT_EQ(recent->value(), 8);
    recent->setValue(0);
    EXPECT_EQ(recent->value(), 1);
    recent->setValue(7);
    QPushButton* clear = part<QPushButton>(sheet, "clearList");
    ASSERT_TRUE(clear->isEnabled());
    clear->click();
    EXPECT_FALSE(clear->isEnabled());
    part<QLineEdit>(sheet, "defaultUrlLead")->setText("http://");
    sheet.accept();

    const Settings& out = sheet.result();
    EXPECT_FALSE(out.showHandles);
    EXPECT_TRUE(out.grabSize);
    EXPECT_TRUE(out.maximizeOnOpen);
    EXPECT_EQ(out.selectedColor, 0x332211u);
    EXPECT_EQ(out.selectedBack, source.selectedBack);
    EXPECT_EQ(out.fillType, 4);
    EXPECT_EQ(out.maxRecent, 7);
    EXPECT_EQ(out.defaultUrlLead, "http://");
    EXPECT_TRUE(sheet.clearRecentFiles());
    EXPECT_EQ(m_prompter.texts(), QStringList{"The new Max Recent Files setting will take effect "
                                              "the next time you run Tessary."});
    EXPECT_EQ(m_prompter.shown()[0].icon, Prompter::Icon::Information);
}

TEST_F(PreferencesTest, OnlyPagesThatWereShownStoreAndCancelChangesNothing) {
    Settings source = unusual();
    source.fillType = 9; // out of range: storing the Colors page would make it 5
    {
        CPrefsProps sheet(source, 0);
        sheet.show(); // the General page only
        clickBox(part<QCheckBox>(sheet, "areaPrompt"));
        sheet.accept();
        QList<QVariant> expected = edited(source);
        expected[0] = true;
        EXPECT_EQ(edited(sheet.result()), expected);
        EXPECT_FALSE(part<QPushButton>(sheet, "clearList")->isEnabled()); // no recent files
    }
    // Cancel keeps the settings and the recent files, Clear List included.
    storeValue("Recent File List/File1", sampleMap("a.map"));
    start();
    ASSERT_EQ(m_app->recentFiles().count(), 1);
    m_dialogs.clearRecentAnswer = true; // Clear List pressed, then Cancel
    ASSERT_TRUE(dispatch(CommandId::Preferences));
    EXPECT_EQ(m_dialogs.preferencesShown, 1);
    EXPECT_EQ(m_dialogs.preferencesRecentCount, 1);
    EXPECT_EQ(m_app->recentFiles().count(), 1);
    EXPECT_EQ(Settings::app().defaultColor, Settings().defaultColor);
}

TEST_F(PreferencesTest, OkRepaintsEveryOpenMapWithTheNewColoursAndClearsTheList) {
    Settings::app().maximizeOnOpen = false;
    storeValue("Recent File List/File1", sampleMap("a.map"));
    start({sampleMap("b.map")});
    ASSERT_TRUE(m_app->documents().openMapFile(sampleMap("c.map"), QString()));
    runEvents();
    QList<CImageMapView*> views;
    for (MyMDIChildWnd* child : frame().children())
        views << dynamic_cast<MapViewPane&>(child->mapPane()).view();
    ASSERT_EQ(views.size(), 2);

    // The main toolbar's Preferences button opens the sheet.
    QAction* button = nullptr;
    for (QAction* action : frame().mainToolBar()->actions()) {
        if (ActionTable::commandOf(action) == CommandId::Preferences)
            button = action;
    }
    ASSERT_TRUE(button);
    ASSERT_TRUE(button->isEnabled());
    m_dialogs.preferencesAnswer = [](Settings& s) { s.defaultColor = s.defaultBack = 0x00ff00; };
    m_dialogs.clearRecentAnswer = true;
    button->trigger();
    EXPECT_EQ(m_dialogs.preferencesShown, 1);

    for (CImageMapView* v : views) {
        v->setScrollPosition({0, 0});
        const QPoint edge = v->imageToWindow({40, 20}); // the top edge of "Home"
        EXPECT_EQ(v->grab().toImage().pixel(edge) & 0xffffff, 0x00ff00u);
    }
    EXPECT_TRUE(m_app->recentFiles().isEmpty());
    QSettings ini(iniPath(), QSettings::IniFormat);
    EXPECT_EQ(ini.value("Settings/Default Color").toUInt(), 0x00ff00u);
    EXPECT_FALSE(ini.contains("Recent File List/File1"));
}

// Language and Appearance sit on the General page: the language under its
// own name, a note that it applies at the next start, both stored on OK
// only and shown again as stored.
TEST_F(PreferencesTest, GeneralPageChoosesTheLanguageAndAppearance) {
    const Settings source = unusual();
    {
        CPrefsProps sheet(source, 0);
        sheet.show();
        auto* language = part<QComboBox>(sheet, "language");
        auto* appearance = part<QComboBox>(sheet, "appearance");
        ASSERT_TRUE(language && appearance);
        EXPECT_TRUE(language->isVisible());
        QStringList names;
        for (int i = 0; i < language->count(); ++i)
            names << language->itemText(i);
        EXPECT_EQ(names,
                  QStringList({"System default", "English", "Deutsch", "Français", "Español"}));
        EXPECT_EQ(language->currentIndex(), 0);
        EXPECT_EQ(appearance->count(), 3);
        EXPECT_EQ(appearance->currentText(), "System");
        bool noted = false;
        for (QLabel* label : sheet.findChildren<QLabel*>())
            noted |= label->isVisible() && label->text().contains("next start");
        EXPECT_TRUE(noted);
        // Chosen with the keyboard, as a user without a mouse would.
        language->setFocus();
        QTest::keyClick(language, Qt::Key_Down);
        QTest::keyClick(language, Qt::Key_Down);
        EXPECT_EQ(language->currentText(), "Deutsch");
        appearance->setCurrentIndex(2);
        sheet.reject(); // Cancel stores nothing
    }
    EXPECT_EQ(PrefsDesktop::language(), QString());
    EXPECT_EQ(PrefsDesktop::appearance(), 0);
    {
        CPrefsProps sheet(source, 0);
        sheet.show();
        part<QComboBox>(sheet, "language")->setCurrentIndex(4);
        part<QComboBox>(sheet, "appearance")->setCurrentIndex(2);
        sheet.accept();
        EXPECT_EQ(edited(sheet.result()), edited(source));
    }
    EXPECT_EQ(PrefsDesktop::language(), "es");
    EXPECT_EQ(PrefsDesktop::appearance(), 2);
    CPrefsProps sheet(source, 0);
    sheet.show();
    EXPECT_EQ(part<QComboBox>(sheet, "language")->currentText(), "Español");
    EXPECT_EQ(part<QComboBox>(sheet, "appearance")->currentText(), "Dark");
    sheet.accept();
    EXPECT_EQ(PrefsDesktop::language(), "es");
}

TEST(PrefsColorsTest, HatchItemsAreDrawnInTheFillColourOrInvertedWhenSelected) {
    qtTestApp();
    for (int style = 0; style < CPrefsColors::kHatchStyles; ++style) {
        for (bool selected : {false, true}) {
            const QImage item = CPrefsColors::hatchItem(style, 0x0000ff, selected);
            ASSERT_EQ(item.size(), QSize(45, 15));
            QSet<QRgb> colours;
            for (int y = 0; y < item.height(); ++y) {
                for (int x = 0; x < item.width(); ++x)
                    colours << (item.pixel(x, y) & 0xffffff);
            }
            const QSet<QRgb> expected =
                selected ? QSet<QRgb>{0x000000, 0x00ffff} : QSet<QRgb>{0xffffff, 0xff0000};
            EXPECT_EQ(colours, expected) << style << selected;
        }
    }
}
