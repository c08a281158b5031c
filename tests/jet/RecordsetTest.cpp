#include "jet/Recordset.h"

#include "PeerTools.h"
#include "indications/logic/IndicationsSchema.h"
#include "jet/Create.h"
#include "jet/Database.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
constexpr const char *Query = "Select * From Indications Order By Indications";

jet::Value text(const std::string &s)
{
    return jet::Value::ofText(s);
}

// Stored out of order and in mixed case, with one name twice.
const char *const storedNames[] = {"bronchitis", "Abscess",    "Cough",          "abscess, dental",
                                   "Acne",       "Bronchitis", "O'Brien's rash", "Zoster"};
const std::vector<std::string> orderedNames = {
    "Abscess", "abscess, dental", "Acne", "bronchitis", "Bronchitis", "Cough", "O'Brien's rash", "Zoster"};

std::string makeFile(const std::string &name)
{
    std::vector<std::vector<jet::Value>> rows;
    int n = 0;
    for (const char *stored : storedNames)
        rows.push_back(
            {text(stored), text("Oils " + std::to_string(n++)), text("Method"), jet::Value::null()});
    const std::string path = peers::tempDir() + "/" + name;
    EXPECT_TRUE(jet::createDatabase(path, indications::tableDefinition(), rows));
    return path;
}

struct Opened
{
    std::unique_ptr<jet::Database> db;
    std::unique_ptr<jet::Recordset> set;
};

Opened openSet(const std::string &path)
{
    Opened o;
    auto db = jet::Database::open(path);
    EXPECT_TRUE(db) << db.error().message;
    if (!db)
        return o;
    o.db = std::move(*db);
    auto set = jet::Recordset::open(*o.db, Query);
    EXPECT_TRUE(set) << set.error().message;
    if (set)
        o.set = std::move(*set);
    return o;
}

std::vector<std::string> namesInOrder(jet::Recordset &set)
{
    std::vector<std::string> names;
    set.moveFirst();
    for (std::size_t i = 0; i < set.recordCount(); ++i, set.moveNext())
        names.push_back(*set.text("Indications"));
    return names;
}

TEST(RecordsetTest, OrdersByNameWithoutRegardToCaseKeepingTiesInTableOrder)
{
    auto o = openSet(makeFile("order.mdb"));
    ASSERT_TRUE(o.set);
    EXPECT_FALSE(o.set->readOnly());
    EXPECT_EQ(namesInOrder(*o.set), orderedNames);
    EXPECT_EQ(o.set->fieldNames(), (std::vector<std::string>{"Indications", "Oils", "Method", "Notes"}));
    o.set->moveFirst();
    EXPECT_EQ(*o.set->text("Notes"), "") << "a null field reads as empty text";
}

TEST(RecordsetTest, NavigationStaysOnTheEndRecordAtEitherEnd)
{
    auto o = openSet(makeFile("navigate.mdb"));
    ASSERT_TRUE(o.set);
    o.set->moveFirst();
    o.set->movePrevious();
    EXPECT_EQ(*o.set->text("Indications"), "Abscess");
    o.set->moveLast();
    EXPECT_EQ(*o.set->text("Indications"), "Zoster");
    o.set->moveNext();
    o.set->moveNext();
    EXPECT_EQ(*o.set->text("Indications"), "Zoster");
    o.set->movePrevious();
    EXPECT_EQ(*o.set->text("Indications"), "O'Brien's rash");
}

struct FindCase
{
    const char *name;
    const char *criteria;
    bool found;
    const char *current; // the current record's name afterwards
};

const FindCase findCases[] = {
    {"ExactName", "[Indications] = 'Acne'", true, "Acne"},
    {"OtherCase", "[Indications] = 'ACNE'", true, "Acne"},
    {"InnerCommaAndBlank", "[Indications] = 'Abscess, dental'", true, "abscess, dental"},
    {"FirstOfTwoInSetOrder", "[Indications] = 'BRONCHITIS'", true, "bronchitis"},
    {"DoubledQuote", "[Indications] = 'O''Brien''s rash'", true, "O'Brien's rash"},
    {"NoBracketsDoubleQuotes", "Indications = \"Cough\"", true, "Cough"},
    {"NoMatchKeepsTheRecord", "[Indications] = 'Hiccup'", false, "Zoster"},
    {"PrefixIsNoMatch", "[Indications] = 'Abs'", false, "Zoster"},
};

class FindTest : public ::testing::TestWithParam<FindCase>
{
};

TEST_P(FindTest, FindsTheFirstMatchInSetOrder)
{
    static const std::string path = makeFile("find.mdb");
    auto o = openSet(path);
    ASSERT_TRUE(o.set);
    o.set->moveLast();
    auto found = o.set->findFirst(GetParam().criteria);
    ASSERT_TRUE(found) << found.error().message;
    EXPECT_EQ(*found, GetParam().found);
    EXPECT_EQ(*o.set->text("Indications"), GetParam().current);
}

INSTANTIATE_TEST_SUITE_P(Cases, FindTest, ::testing::ValuesIn(findCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(RecordsetTest, EditsAddsAndDeletesReachTheFile)
{
    const std::string path = makeFile("edit.mdb");
    {
        auto o = openSet(path);
        ASSERT_TRUE(o.set);
        ASSERT_TRUE(*o.set->findFirst("[Indications] = 'Cough'"));
        ASSERT_TRUE(o.set->setText("Method", "Steam\r\nChest rub"));
        EXPECT_EQ(*o.set->text("Method"), "Steam\r\nChest rub") << "an edit shows before it is written";
        ASSERT_TRUE(o.set->update());

        ASSERT_TRUE(o.set->addNew());
        EXPECT_EQ(*o.set->text("Indications"), "");
        ASSERT_TRUE(o.set->setText("Indications", "Hiccup"));
        ASSERT_TRUE(o.set->setText("Oils", "Tarragon"));
        ASSERT_TRUE(o.set->update());
        EXPECT_EQ(*o.set->text("Indications"), "Hiccup");
        EXPECT_EQ(o.set->recordCount(), 9u);

        ASSERT_TRUE(*o.set->findFirst("[Indications] = 'Zoster'"));
        ASSERT_TRUE(o.set->deleteCurrent());
        EXPECT_FALSE(o.set->hasCurrent());
        EXPECT_FALSE(o.set->text("Indications"));
        o.set->moveFirst();
        EXPECT_EQ(*o.set->text("Indications"), "Abscess");

        ASSERT_TRUE(*o.set->findFirst("[Indications] = 'Acne'"));
        ASSERT_TRUE(o.set->setText("Notes", "never written"));
        o.set->moveNext(); // moving drops an edit not yet written
    }
    auto o = openSet(path);
    ASSERT_TRUE(o.set);
    std::vector<std::string> expected = orderedNames;
    expected.pop_back();
    expected.insert(expected.begin() + 6, "Hiccup");
    EXPECT_EQ(namesInOrder(*o.set), expected);
    ASSERT_TRUE(*o.set->findFirst("[Indications] = 'Cough'"));
    EXPECT_EQ(*o.set->text("Method"), "Steam\r\nChest rub");
    ASSERT_TRUE(*o.set->findFirst("[Indications] = 'hiccup'"));
    EXPECT_EQ(*o.set->text("Oils"), "Tarragon");
    ASSERT_TRUE(*o.set->findFirst("[Indications] = 'Acne'"));
    EXPECT_EQ(*o.set->text("Notes"), "");
    EXPECT_EQ(peers::run("mdb-count " + peers::quote(path) + " Indications").output, "8\n");
}

struct ErrorCase
{
    const char *name;
    std::function<jet::Error()> produce;
    jet::ErrorKind kind;
    const char *mentions;
};

jet::Error openError(const std::string &path)
{
    auto db = jet::Database::open(path);
    return db ? jet::Error{} : db.error();
}

jet::Error queryError(const std::string &sql)
{
    static const std::string path = makeFile("errors.mdb");
    auto db = jet::Database::open(path);
    if (!db)
        return db.error();
    auto set = jet::Recordset::open(**db, sql);
    return set ? jet::Error{} : set.error();
}

jet::Error findError(const std::string &criteria)
{
    auto o = openSet(makeFile("find-errors.mdb"));
    auto found = o.set->findFirst(criteria);
    return found ? jet::Error{} : found.error();
}

std::string writeFile(const std::string &name, const std::string &content)
{
    const std::string path = peers::tempDir() + "/" + name;
    std::ofstream(path, std::ios::binary) << content;
    return path;
}

std::string corruptCopy()
{
    const std::string path = makeFile("corrupt.mdb");
    std::fstream f(path, std::ios::in | std::ios::out | std::ios::binary);
    f.seekp(2 * 4096); // the catalog's definition is no longer one
    f.put('\x07');
    return path;
}

const ErrorCase errorCases[] = {
    {"MissingFile", [] { return openError(peers::tempDir() + "/nowhere.mdb"); }, jet::ErrorKind::FileNotFound,
     "nowhere.mdb"},
    {"NotAJetFile", [] { return openError(writeFile("notes.mdb", std::string(9000, 'x'))); },
     jet::ErrorKind::NotJetFile, "notes.mdb"},
    {"EmptyFile", [] { return openError(writeFile("empty.mdb", "")); }, jet::ErrorKind::NotJetFile,
     "empty.mdb"},
    {"CorruptPage", [] { return openError(corruptCopy()); }, jet::ErrorKind::Corrupt, "corrupt.mdb"},
    {"MissingTable", [] { return queryError("Select * From Remedies"); }, jet::ErrorKind::NoSuchTable,
     "Remedies"},
    {"MissingOrderField", [] { return queryError("Select * From Indications Order By Name"); },
     jet::ErrorKind::NoSuchField, "Name"},
    {"UnknownSql", [] { return queryError("Delete From Indications"); }, jet::ErrorKind::BadQuery, "Delete"},
    {"UnclosedQuote", [] { return findError("[Indications] = 'Acne"); }, jet::ErrorKind::BadQuery,
     "Indications"},
    {"LoneQuoteInName", [] { return findError("[Indications] = 'O'Brien'"); }, jet::ErrorKind::BadQuery,
     "O'Brien"},
    {"MissingCriteriaField", [] { return findError("[Ailment] = 'Acne'"); }, jet::ErrorKind::NoSuchField,
     "Ailment"},
};

class ErrorTest : public ::testing::TestWithParam<ErrorCase>
{
};

TEST_P(ErrorTest, FailsWithAKindAndAMessageNamingWhatAndWhere)
{
    const jet::Error e = GetParam().produce();
    EXPECT_EQ(e.kind, GetParam().kind) << e.message;
    EXPECT_NE(e.message.find(GetParam().mentions), std::string::npos) << e.message;
}

INSTANTIATE_TEST_SUITE_P(Cases, ErrorTest, ::testing::ValuesIn(errorCases),
                         [](const auto &info) { return std::string(info.param.name); });

void expectReadOnlySetWithAClearError(const std::string &path)
{
    auto o = openSet(path);
    ASSERT_TRUE(o.set);
    EXPECT_TRUE(o.db->readOnly());
    EXPECT_TRUE(o.set->readOnly());
    o.set->moveFirst();
    const jet::Status s = o.set->setText("Notes", "x");
    ASSERT_FALSE(s);
    EXPECT_EQ(s.error().kind, jet::ErrorKind::ReadOnly);
    EXPECT_NE(s.error().message.find("Indications.mdb"), std::string::npos);
}

TEST(RecordsetTest, ReadOnlyFolderGivesAReadOnlySetWithAClearError)
{
    // The folder and the file belong to the user running the tests and are closed to everyone else. Root may
    // write anywhere, so under root the check runs in a child process that has become "nobody".
    std::string folder = (fs::temp_directory_path() / "jet-locked-XXXXXX").string();
    ASSERT_NE(mkdtemp(folder.data()), nullptr);
    const std::string path = folder + "/Indications.mdb";
    fs::copy_file(makeFile("for-locked.mdb"), path, fs::copy_options::overwrite_existing);
    const auto readable = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
    fs::permissions(path, readable);
    fs::permissions(folder,
                    readable | fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec);
    const std::size_t filesBefore = std::distance(fs::directory_iterator(folder), fs::directory_iterator());

    if (geteuid() != 0) {
        expectReadOnlySetWithAClearError(path);
    } else {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            constexpr uid_t Nobody = 65534;
            if (setgid(Nobody) != 0 || setuid(Nobody) != 0)
                _exit(3);
            expectReadOnlySetWithAClearError(path);
            _exit(::testing::Test::HasFailure() ? 1 : 0);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0) << "the check as \"nobody\" failed (3: could not become nobody)";
    }
    // Nothing was written: no journal beside the file.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()),
              std::ptrdiff_t(filesBefore));
    fs::permissions(folder, fs::perms::owner_all);
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    fs::remove_all(folder);
}

TEST(RecordsetTest, TableWithAnIndexOpensReadOnly)
{
    if (peers::fixturesDir().empty())
        GTEST_SKIP() << "sample folder absent (AMBRELIS_SHARED_FIXTURES)";
    auto db = jet::Database::open(peers::fixturesDir() + "/testUnicodeCompV2003.mdb");
    ASSERT_TRUE(db);
    auto set = jet::Recordset::open(**db, "select * from [Table] order by [Unicode] desc;");
    ASSERT_TRUE(set) << set.error().message;
    EXPECT_TRUE((*set)->readOnly());
    EXPECT_EQ((*set)->writeError().error().kind, jet::ErrorKind::Unsupported);
    EXPECT_FALSE((*set)->addNew());
    EXPECT_EQ((*set)->recordCount(), 8u);
    ASSERT_TRUE(*(*set)->findFirst("[Unicode] = 'ONLY ASCII CHARS'"));
    EXPECT_EQ(*(*set)->text("Unicode"), "only ascii chars");
}

} // namespace
