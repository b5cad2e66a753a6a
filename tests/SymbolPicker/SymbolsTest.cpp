#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "SymbolPicker/Symbols.h"

namespace swivlo {
namespace {

void writeFile(const QString& path, const QByteArray& content) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

class SymbolsLoadTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        for (int v : {4, 5, 6}) {
            writeFile(dir.filePath(QStringLiteral("sfsymbol%1.txt").arg(v)),
                      QStringLiteral("list%1,maps\nshared\n").arg(v).toUtf8());
        }
    }
    ResourceBundle bundle() const { return ResourceBundle(dir.path()); }
    QTemporaryDir dir;
};

TEST_F(SymbolsLoadTest, ReadsTheListForTheSystemVersion) {
    const struct {
        std::optional<SystemVersion> version;
        const char* first;
    } cases[] = {{SystemVersion{15, 1}, "list6"},
                 {SystemVersion{14, 0}, "list5"},
                 {SystemVersion{13, 0}, "list4"},
                 {std::nullopt, "list6"}};
    for (const auto& c : cases) {
        const Symbols symbols = Symbols::load(bundle(), c.version);
        ASSERT_EQ(symbols.allSymbols().size(), 2u);
        EXPECT_EQ(symbols.allSymbols()[0]->name(), QString::fromLatin1(c.first));
    }
}

TEST_F(SymbolsLoadTest, MissingBundleOrListGivesAnEmptyCatalogue) {
    EXPECT_TRUE(Symbols::load(std::nullopt, std::nullopt).allSymbols().empty());
    QFile::remove(dir.filePath(QStringLiteral("sfsymbol6.txt")));
    EXPECT_TRUE(Symbols::load(bundle(), std::nullopt).allSymbols().empty());
    EXPECT_EQ(Symbols::load(bundle(), SystemVersion{14, 0}).allSymbols().size(), 2u);
}

TEST(ResourceBundleTest, TriesCandidatesInOrderAndSkipsWhatIsNoDirectory) {
    QTemporaryDir root;
    const QString file = root.filePath(QStringLiteral("file.bundle"));
    writeFile(file, "not a directory");
    const QString second = root.filePath(QStringLiteral("second.bundle"));
    const QString third = root.filePath(QStringLiteral("third.bundle"));
    QDir().mkpath(second);
    QDir().mkpath(third);
    const auto found = ResourceBundle::find(
        {root.filePath(QStringLiteral("missing.bundle")), file, second, third});
    ASSERT_TRUE(found);
    EXPECT_EQ(found->path(), QFileInfo(second).absoluteFilePath());
}

TEST(ResourceBundleTest, CandidatesFollowTheExecutableNeverTheSourceTree) {
    const QString programDir = QCoreApplication::applicationDirPath();
    const QStringList expected{
        QDir::cleanPath(programDir +
                        QStringLiteral("/../share/swivlo/SymbolPicker_SymbolPicker.bundle")),
        programDir + QStringLiteral("/SymbolPicker_SymbolPicker.bundle")};
    EXPECT_EQ(ResourceBundle::candidateDirectories(), expected);
    // The build copies the bundle beside the executable, so the last candidate opens too.
    EXPECT_TRUE(ResourceBundle::find({expected[1]}));
}

TEST(ResourceBundleTest, LocalizedStringsFallBackToEnglishThenToTheKey) {
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("en.lproj/Localizable.strings")),
              "/* note */\n\"search_placeholder\" = \"Search\";\n"
              "\"quoted\" = \"say \\\"hi\\\"\";\n"
              // Escapes are read once, from the left: an escaped backslash starts no escape.
              "\"escapes\" = \"a\\\\nb\\nc\\\\\\\"d\\te\\U00e9\\\\U00e9\\\\\";\n");
    const ResourceBundle bundle(dir.path());
    EXPECT_EQ(bundle.localizedString(QStringLiteral("search_placeholder")),
              QStringLiteral("Search"));
    EXPECT_EQ(bundle.localizedString(QStringLiteral("quoted")), QStringLiteral("say \"hi\""));
    EXPECT_EQ(bundle.localizedString(QStringLiteral("escapes")),
              QString::fromUtf8("a\\nb\nc\\\"d\te\u00e9\\U00e9\\"));
    EXPECT_EQ(bundle.localizedString(QStringLiteral("remove_symbol")),
              QStringLiteral("remove_symbol"));
}

}  // namespace
}  // namespace swivlo
