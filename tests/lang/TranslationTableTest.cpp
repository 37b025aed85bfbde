#include "LangSupport.h"

#include "formats/MapReadReport.h"
#include "model/GuideValues.h"
#include "model/Strings.h"
#include "model/Translation.h"
#include "support/QtTestApp.h"

#include <QCoreApplication>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

// printf conversions in order, and Qt's %1... as a sorted list: a
// translation may move %1 but never a printf argument.
QStringList printfPlaceholders(const QString& text) {
    static const QRegularExpression conversion(
        QStringLiteral("%[-+ #0]*\\d*(?:\\.\\d+)?[a-zA-Z%]"));
    QStringList found;
    for (const auto& match : conversion.globalMatch(text))
        found << match.captured();
    return found;
}

QStringList argPlaceholders(const QString& text) {
    static const QRegularExpression arg(QStringLiteral("%\\d+"));
    QStringList found;
    for (const auto& match : arg.globalMatch(text))
        found << match.captured();
    found.sort();
    return found;
}

int mnemonics(const QString& text) {
    return QString(text).remove(QStringLiteral("&&")).count(QLatin1Char('&'));
}

// The file pattern of a file dialog filter, "(*.htm,*.html)".
QString filterPattern(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("\\(\\*[^)]*\\)$"));
    return pattern.match(text).captured();
}

bool hasTranslation(int id) {
    const QByteArray key = QByteArray::number(id);
    return qtTrId(key.constData()) != QLatin1String(key);
}

class TranslationTable : public ::testing::Test {
protected:
    void SetUp() override { qtTestApp(); }
    void TearDown() override { Translation::remove(); }
};

} // namespace

// Every text shown has a translation in every shipped language that keeps
// the English text's placeholders, mnemonic, line structure and filter
// pattern; nothing written to files has one, and text() gives those in
// English whatever the language.
TEST_F(TranslationTable, EveryShownTextIsTranslatedAndKeepsItsPlaceholders) {
    const QSet<int> untranslated = lang::untranslatedIds();
    ASSERT_FALSE(untranslated.isEmpty());
    for (const QString& code : lang::kTranslated) {
        ASSERT_EQ(Translation::install(code), code);
        for (int id : lang::tableIds()) {
            SCOPED_TRACE(QStringLiteral("%1 %2").arg(code).arg(id).toStdString());
            const QString english = Strings::untranslated(id);
            const QString shown = Strings::text(id);
            if (untranslated.contains(id)) {
                EXPECT_FALSE(hasTranslation(id));
                EXPECT_EQ(shown, english);
                continue;
            }
            ASSERT_TRUE(hasTranslation(id)) << english.toStdString();
            EXPECT_EQ(printfPlaceholders(shown), printfPlaceholders(english))
                << shown.toStdString();
            EXPECT_EQ(argPlaceholders(shown), argPlaceholders(english)) << shown.toStdString();
            EXPECT_EQ(mnemonics(shown), mnemonics(english)) << shown.toStdString();
            EXPECT_LE(mnemonics(shown), 1) << shown.toStdString();
            EXPECT_EQ(shown.count(QLatin1Char('\n')), english.count(QLatin1Char('\n')));
            EXPECT_EQ(filterPattern(shown), filterPattern(english));
            EXPECT_EQ(shown.trimmed().isEmpty(), english.trimmed().isEmpty());
        }
        // Bytes for files never change with the language.
        EXPECT_EQ(Strings::bytes(Str::KwRectangle), QByteArray("Rectangle"));
        EXPECT_EQ(Strings::untranslated(Str::GuideWidth), QStringLiteral("Width"));
    }
}

TEST_F(TranslationTable, FormatUsesTheTranslatedText) {
    ASSERT_EQ(Translation::install(QStringLiteral("de")), QStringLiteral("de"));
    EXPECT_EQ(Strings::format(Str::AreaObscuredTip, 7), QStringLiteral("Bereich 7 ist verdeckt"));
    EXPECT_EQ(Strings::text(Str::ItemSaveAs), QStringLiteral("Speichern &unter..."));
    ASSERT_EQ(Translation::install(QStringLiteral("en")), QStringLiteral("en"));
    EXPECT_EQ(Strings::format(Str::AreaObscuredTip, 7), QStringLiteral("Area 7 is obscured"));
    ASSERT_EQ(Translation::install(QStringLiteral("pt")), QStringLiteral("en"));
    EXPECT_EQ(Strings::text(Str::ItemSaveAs), QStringLiteral("Save &As..."));
}

// A count takes the form its language gives it: one area, but French
// counts nothing in the singular too.
TEST_F(TranslationTable, CountsTakeTheirLanguagesSingularOrPlural) {
    const auto bounds = [](int across) {
        GuideValues v;
        v.across = across;
        v.down = v.width = v.height = 1;
        return v.boundsText();
    };
    const struct {
        const char* code;
        const char* none;
        const char* one;
        const char* two;
    } cases[] = {
        {"en", "(0 areas)", "(1 area)", "(2 areas)"},
        {"de", "(0 Bereiche)", "(1 Bereich)", "(2 Bereiche)"},
        {"fr", "(0 zone)", "(1 zone)", "(2 zones)"},
        {"es", "(0 áreas)", "(1 área)", "(2 áreas)"},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(Translation::install(QLatin1String(c.code)), QLatin1String(c.code));
        EXPECT_TRUE(bounds(0).endsWith(QString::fromUtf8(c.none))) << bounds(0).toStdString();
        EXPECT_TRUE(bounds(1).endsWith(QString::fromUtf8(c.one))) << bounds(1).toStdString();
        EXPECT_TRUE(bounds(2).endsWith(QString::fromUtf8(c.two))) << bounds(2).toStdString();
    }
    Translation::remove();
    EXPECT_EQ(bounds(1), "0,0 to 1,1 (1 area)");
}

// What a map lost on reading is listed in the interface's language, one of
// each in the singular.
TEST_F(TranslationTable, LossesOnReadingCountInTheirLanguage) {
    const auto losses = [](int count) {
        MapReadReport report;
        report.areasBeyond = report.polygonsCut = report.attributesBeyond = count;
        report.unknownShapeAreas = count;
        report.unknownShapes = {"oval"};
        return report.lossList();
    };
    EXPECT_EQ(losses(1),
              "1 area beyond the 100,000 a map holds; 1 polygon of more than 100,000 "
              "points; 1 area of an unknown shape (\"oval\"); 1 attribute beyond the 64 an area "
              "or map keeps");
    EXPECT_TRUE(losses(2).startsWith("2 areas beyond the 100,000 a map holds; 2 polygons of"));
    const struct {
        const char* code;
        const char* one;
        const char* two;
    } cases[] = {
        {"de", "1 Bereich über", "2 Bereiche über"},
        {"fr", "1 zone au-delà", "2 zones au-delà"},
        {"es", "1 área más allá", "2 áreas más allá"},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(Translation::install(QLatin1String(c.code)), QLatin1String(c.code));
        EXPECT_TRUE(losses(1).startsWith(QString::fromUtf8(c.one))) << losses(1).toStdString();
        EXPECT_TRUE(losses(2).startsWith(QString::fromUtf8(c.two))) << losses(2).toStdString();
    }
    Translation::remove();
}

TEST_F(TranslationTable, TheFirstShippedDesktopLanguageWins) {
    using L = QStringList;
    EXPECT_EQ(Translation::choose(L{"fr-CA", "en", "de"}), QStringLiteral("fr"));
    EXPECT_EQ(Translation::choose(L{"en-US", "de"}), QStringLiteral("en"));
    EXPECT_EQ(Translation::choose(L{"pt-BR", "es-MX"}), QStringLiteral("es"));
    EXPECT_EQ(Translation::choose(L{"pt-BR"}), QStringLiteral("en"));
    EXPECT_EQ(Translation::choose(L{"DE-at"}), QStringLiteral("de"));
    EXPECT_EQ(Translation::choose(L{}), QStringLiteral("en"));
}

// The desktop's language comes from the environment, read once when the
// program starts: each case runs this test program anew.
TEST_F(TranslationTable, FollowsTheDesktopLanguageOfTheEnvironment) {
    struct Case {
        const char* language;
        const char* lcAll;
        const char* lang;
        const char* expected;
    };
    const Case cases[] = {{"de", "", "C.UTF-8", "de"},
                          {"", "fr_FR.UTF-8", "de_DE.UTF-8", "fr"},
                          {"", "", "es_ES.UTF-8", "es"},
                          {"es:de", "de_DE.UTF-8", "fr_FR.UTF-8", "es"},
                          {"", "", "C.UTF-8", "en"}};
    for (const Case& c : cases) {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
            env.remove(QLatin1String(name));
        auto set = [&](const char* name, const char* value) {
            if (*value)
                env.insert(QLatin1String(name), QLatin1String(value));
        };
        set("LANGUAGE", c.language);
        set("LC_ALL", c.lcAll);
        set("LANG", c.lang);
        env.insert(QStringLiteral("TESSARY_EXPECT_LANGUAGE"), QLatin1String(c.expected));
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--gtest_filter=TranslationTable.DesktopLanguageChild")});
        ASSERT_TRUE(child.waitForFinished(30000));
        EXPECT_EQ(child.exitCode(), 0) << c.language << "/" << c.lcAll << "/" << c.lang << "\n"
                                       << child.readAllStandardOutput().toStdString();
    }
}

TEST_F(TranslationTable, DesktopLanguageChild) {
    const QString expected = qEnvironmentVariable("TESSARY_EXPECT_LANGUAGE");
    if (expected.isEmpty())
        GTEST_SKIP() << "run by FollowsTheDesktopLanguageOfTheEnvironment";
    EXPECT_EQ(Translation::install(QString()), expected);
    if (expected == QLatin1String("de")) {
        EXPECT_EQ(Strings::text(Str::MenuFile), QStringLiteral("&Datei"));
    }
}

// --help is for scripts: the same English text whatever the desktop speaks.
TEST_F(TranslationTable, HelpStaysEnglish) {
    auto help = [](const char* language) {
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LANGUAGE"), QLatin1String(language));
        env.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(TESSARY_BINARY_DIR "/bin/tessary"),
                      {QStringLiteral("--help")});
        EXPECT_TRUE(program.waitForFinished(30000));
        EXPECT_EQ(program.exitCode(), 0);
        return program.readAllStandardOutput();
    };
    const QByteArray english = help("en");
    ASSERT_TRUE(english.startsWith("usage: tessary"));
    for (const char* language : {"de", "fr", "es"})
        EXPECT_EQ(help(language), english) << language;
}
