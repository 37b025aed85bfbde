#include "LangSupport.h"

#include "app/dialogs/AboutBox.h"
#include "app/dialogs/CommandLineSwitchesDialog.h"
#include "app/dialogs/GridSettingsDialog.h"
#include "app/dialogs/MissingImageDialog.h"
#include "app/dialogs/PrefsProps.h"
#include "app/dialogs/SavedDialog.h"
#include "app/dialogs/WelcomeDialog.h"
#include "model/GuideValues.h"
#include "model/MapArea.h"
#include "model/MapInfo.h"
#include "model/Settings.h"
#include "model/Strings.h"
#include "model/Translation.h"
#include "support/QtTestApp.h"
#include "view/AreaSettingsDialog.h"
#include "view/AreasExistingDialog.h"
#include "view/CreateGuidesDialog.h"
#include "view/MapSettingsDialog.h"
#include "view/TestMapIntroDialog.h"
#include "wizards/ImageColorsDialog.h"
#include "wizards/ImageSpacingDialog.h"
#include "wizards/ImageWizard.h"
#include "wizards/NewMapWizard.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QHash>
#include <QLabel>
#include <QTabWidget>
#include <QWizard>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

namespace {

using Make = std::function<std::unique_ptr<QDialog>()>;

struct Named {
    const char* name;
    Make make;
};

// Every dialog that shows the string table's texts, made as the editor
// makes it; the preference sheet once for each page.
std::vector<Named> dialogs() {
    static Settings settings;
    static MapArea area = [] {
        MapArea a(AreaShape::Rectangle);
        a.setRect({10, 20, 110, 80});
        return a;
    }();
    std::vector<Named> all = {
        {"About", [] { return std::make_unique<AboutBox>(); }},
        {"Switches", [] { return std::make_unique<CommandLineSwitchesDialog>(); }},
        {"Grid", [] { return std::make_unique<GridSettingsDialog>(GridSettings{}); }},
        {"MissingImage", [] { return std::make_unique<MissingImageDialog>("pic.gif"); }},
        {"Saved",
         [] {
             return std::make_unique<SavedDialog>(
                 Strings::format(Str::SavedBesideImage, "a", ".htm", "/", "x/", "b", ".gif"));
         }},
        {"Welcome",
         [] { return std::make_unique<WelcomeDialog>(AppDialogs::WelcomeChoice::OpenMap); }},
        {"AreaSettings",
         [] {
             return std::make_unique<AreaSettingsDialog>(area, 3, AreaTexts{"a.htm", "", "", ""});
         }},
        {"AreasExisting", [] { return std::make_unique<AreasExistingDialog>(); }},
        {"CreateGuides",
         [] { return std::make_unique<CreateGuidesDialog>(400, 240, GuideValues{}); }},
        {"MapSettings",
         [] {
             return std::make_unique<MapSettingsDialog>(MapInfo{}, QStringLiteral("/tmp/x.htm"));
         }},
        {"TestMapIntro", [] { return std::make_unique<TestMapIntroDialog>(); }},
        {"ImageColors",
         [] { return std::make_unique<ImageColorsDialog>(0x000000, 0x808080, 0xffffff); }},
        {"ImageSpacing", [] { return std::make_unique<ImageSpacingDialog>(); }},
    };
    // Every page of both wizards, each made the start page with what the
    // pages before it would have settled: a page with one picture.
    static const QString folder = QStringLiteral(TESSARY_BINARY_DIR "/tests/lang/wizard");
    static const QString page = folder + QStringLiteral("/page.htm");
    if (!QFile::exists(page)) {
        QDir().mkpath(folder);
        QFile::copy(QStringLiteral(TESSARY_SOURCE_DIR "/res/samples/sample.png"),
                    folder + QStringLiteral("/sample.png"));
        QFile html(page);
        if (html.open(QIODevice::WriteOnly))
            html.write("<html><body><img src=\"sample.png\"></body></html>\n");
    }
    for (int id : {NewMapWizard::AA, NewMapWizard::AB, NewMapWizard::AC, NewMapWizard::AD,
                   NewMapWizard::BB, NewMapWizard::BC, NewMapWizard::BD}) {
        all.push_back({"NewMapWizard", [id] {
                           DocumentDialogs::NewMap start;
                           start.mapPath = page;
                           start.imagePath = folder + QStringLiteral("/sample.png");
                           start.title = "nav";
                           auto wizard = std::make_unique<NewMapWizard>(start, nullptr);
                           wizard->setStartId(id);
                           return std::unique_ptr<QDialog>(std::move(wizard));
                       }});
    }
    for (int id : {ImageWizard::StylePage, ImageWizard::BarPage, ImageWizard::MenuPage,
                   ImageWizard::GridPage, ImageWizard::SavePage}) {
        all.push_back({"ImageWizard", [id] {
                           auto wizard = std::make_unique<ImageWizard>();
                           wizard->setStyleIndex(1);
                           wizard->setStartId(id);
                           return std::unique_ptr<QDialog>(std::move(wizard));
                       }});
    }
    for (int page = 0; page < 3; ++page) {
        all.push_back({"Preferences", [page] {
                           auto sheet = std::make_unique<CPrefsProps>(settings, 2);
                           sheet->tabs()->setCurrentIndex(page);
                           return std::unique_ptr<QDialog>(std::move(sheet));
                       }});
    }
    return all;
}

bool takesFocus(const QWidget* w) {
    return w->isVisibleTo(w->window()) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus);
}

QString accessibleName(QWidget* w) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
    return face ? face->text(QAccessible::Name) : QString();
}

class DialogLayout : public ::testing::Test {
protected:
    void SetUp() override {
        qtTestApp();
        Settings::setStoreFolder(QStringLiteral(TESSARY_BINARY_DIR "/tests/lang/settings"));
    }
    void TearDown() override { Translation::remove(); }

    // Every label and button of the shown dialog at least as large as its
    // text needs: as wide as its size hint, or, wrapping, as high as its
    // text at its width.
    static void expectNothingClipped(QDialog& dialog, const std::string& where) {
        for (QWidget* w : dialog.findChildren<QWidget*>()) {
            if (!w->isVisibleTo(&dialog) || w->width() == 0)
                continue;
            const auto* label = qobject_cast<QLabel*>(w);
            const auto* button = qobject_cast<QAbstractButton*>(w);
            if ((!label || label->text().isEmpty() || !label->pixmap().isNull()) && !button)
                continue;
            const QString text = label ? label->text() : button->text();
            if (label && label->wordWrap()) {
                EXPECT_GE(w->height(), w->heightForWidth(w->width()))
                    << where << ": \"" << text.toStdString() << "\" wraps past its height";
            } else {
                EXPECT_GE(w->width(), w->sizeHint().width())
                    << where << ": \"" << text.toStdString() << "\" is clipped";
            }
        }
    }

    // No two visible controls of the dialog answer to the same Alt key,
    // for a clash only moves the focus between them.
    static void expectMnemonicsUnique(QDialog& dialog, const std::string& where) {
        QHash<QChar, QString> taken;
        for (QWidget* w : dialog.findChildren<QWidget*>()) {
            if (!w->isVisibleTo(&dialog))
                continue;
            const auto* label = qobject_cast<QLabel*>(w);
            const auto* button = qobject_cast<QAbstractButton*>(w);
            if (!(label && label->buddy()) && !button)
                continue;
            QString text = label ? label->text() : button->text();
            text.remove(QStringLiteral("&&"));
            const qsizetype at = text.indexOf(QLatin1Char('&'));
            if (at < 0 || at + 1 >= text.size())
                continue;
            const QChar key = text.at(at + 1).toLower();
            EXPECT_FALSE(taken.contains(key))
                << where << ": \"" << text.toStdString() << "\" and \""
                << taken.value(key).toStdString() << "\" share Alt+" << QString(key).toStdString();
            taken.insert(key, text);
        }
    }

    // Tab reaches every control that takes the focus in the order they are
    // read, and each has a name for assistive technology.
    static void expectKeyboardReachable(QDialog& dialog, const std::string& where) {
        QList<QWidget*> controls;
        for (QWidget* w : dialog.findChildren<QWidget*>()) {
            if (takesFocus(w) && !w->focusProxy())
                controls << w;
        }
        QList<QWidget*> chain;
        QWidget* w = &dialog;
        for (int step = 0; step < 500; ++step) {
            w = w->nextInFocusChain();
            if (w == &dialog)
                break;
            if (takesFocus(w) && !w->focusProxy() && !chain.contains(w))
                chain << w;
        }
        // Tab goes round a ring, and Qt's wizards put their buttons into it
        // before the pages: the ring is read from its first control in
        // reading order, the top left one.
        const auto at = [&](QWidget* c) { return c->mapTo(&dialog, QPoint()); };
        const auto first =
            std::min_element(chain.begin(), chain.end(), [&](QWidget* a, QWidget* b) {
                return std::pair(at(a).y(), at(a).x()) < std::pair(at(b).y(), at(b).x());
            });
        if (first != chain.end())
            std::rotate(chain.begin(), first, chain.end());
        // The chain reads like the dialog: never back up and to the left,
        // never left along a row (a move up and right starts a column).
        for (qsizetype i = 1; i < chain.size(); ++i) {
            const QRect a(chain[i - 1]->mapTo(&dialog, QPoint()), chain[i - 1]->size());
            const QRect b(chain[i]->mapTo(&dialog, QPoint()), chain[i]->size());
            const bool up = b.center().y() < a.top() - 2;
            const bool sameRow = !up && b.top() < a.bottom() && a.top() < b.bottom();
            const bool backwards =
                (up && b.left() < a.right()) || (sameRow && b.right() < a.left());
            EXPECT_FALSE(backwards)
                << where << ": Tab goes from " << chain[i - 1]->objectName().toStdString() << " ("
                << chain[i - 1]->metaObject()->className() << ") back to "
                << chain[i]->objectName().toStdString() << " ("
                << chain[i]->metaObject()->className() << ")";
        }
        for (QWidget* control : controls) {
            EXPECT_TRUE(chain.contains(control))
                << where << ": " << control->metaObject()->className() << " "
                << control->objectName().toStdString() << " is not in the focus chain";
            // Views and plain text boxes are named by the label above them
            // through the form layout's buddy, or by their own text.
            EXPECT_FALSE(accessibleName(control).trimmed().isEmpty())
                << where << ": " << control->metaObject()->className() << " "
                << control->objectName().toStdString() << " has no accessible name";
        }
    }
};

} // namespace

TEST_F(DialogLayout, NoTextIsClippedAndEveryControlIsReachableInEveryLanguage) {
    QStringList languages = lang::kTranslated;
    languages.prepend(QStringLiteral("en"));
    for (const QString& code : languages) {
        ASSERT_EQ(Translation::install(code), code);
        for (const Named& entry : dialogs()) {
            std::string where = code.toStdString() + " " + entry.name;
            std::unique_ptr<QDialog> dialog = entry.make();
            dialog->show();
            QApplication::processEvents();
            if (auto* wizard = qobject_cast<QWizard*>(dialog.get()))
                where += " " + std::to_string(wizard->currentId());
            expectNothingClipped(*dialog, where);
            expectKeyboardReachable(*dialog, where);
            expectMnemonicsUnique(*dialog, where);
            dialog->hide();
        }
    }
}
