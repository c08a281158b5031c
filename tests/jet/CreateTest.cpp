#include "jet/Create.h"

#include "PeerTools.h"
#include "indications/logic/IndicationsSchema.h"
#include "jet/Database.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

jet::NewTable indicationsTable()
{
    return indications::tableDefinition();
}

jet::Value text(const std::string &s)
{
    return jet::Value::ofText(s);
}

std::string repeat(const std::string &s, int n)
{
    std::string out;
    for (int i = 0; i < n; ++i)
        out += s;
    return out;
}

// Rows that exercise each way a memo can be stored: inline, one long-value row, a chain of them.
std::vector<std::vector<jet::Value>> sampleRows()
{
    return {
        {text("Abscess"), text("A B C"), text("Compress\r\nBath"), text("")},
        {text("Acne"), text(repeat("Tea tree, lavender. ", 60)), text("Local"), jet::Value::null()},
        {text("Bronchitis"), text(repeat("Eucalyptus and pine; ", 400)), text(repeat("Steam ", 900)),
         text(repeat("x", 20000))},
        {text("Γρίππη «Flu» 流感"), text("Ravintsara"), text("Inhalation"),
         text("Quote \"double\" and 'single'")},
        {text(repeat("L", 255)), jet::Value::null(), jet::Value::null(), jet::Value::null()},
    };
}

class CreateTest : public ::testing::Test
{
protected:
    std::string path = peers::tempDir() + "/created.mdb";
    void SetUp() override { ASSERT_TRUE(jet::createDatabase(path, indicationsTable(), sampleRows())); }
};

TEST_F(CreateTest, OurReaderReadsBackEveryValue)
{
    auto db = jet::Database::open(path);
    ASSERT_TRUE(db) << db.error().message;
    EXPECT_EQ((*db)->tableNames(), std::vector<std::string>{"Indications"});
    auto data = (*db)->readTable("Indications");
    ASSERT_TRUE(data) << data.error().message;
    EXPECT_EQ(data->rows, sampleRows());
    auto all = (*db)->tableNames(true);
    EXPECT_EQ(all, (std::vector<std::string>{"MSysObjects", "MSysACEs", "MSysQueries", "MSysRelationships",
                                             "Indications"}));
}

TEST_F(CreateTest, MdbExportReadsEveryTableAsWeDo)
{
    auto db = jet::Database::open(path);
    ASSERT_TRUE(db);
    for (const std::string &table : (*db)->tableNames(true)) {
        auto ours = peers::ourExport(**db, table);
        auto theirs = peers::mdbExport(path, table);
        ASSERT_FALSE(theirs.empty()) << "mdb-export failed on " << table;
        std::sort(ours.begin() + 1, ours.end());
        std::sort(theirs.begin() + 1, theirs.end());
        EXPECT_EQ(ours, theirs) << table;
    }
    const auto tables = peers::run("mdb-tables -1 " + peers::quote(path));
    EXPECT_EQ(tables.output, "Indications\n");
}

TEST_F(CreateTest, MdbReaderReadsTheTableAsWeDo)
{
    std::string whyNot;
    const auto json = peers::mdbReaderJson(path, &whyNot);
    if (!json)
        GTEST_SKIP() << whyNot;
    ASSERT_FALSE(json->empty()) << whyNot;
    const QJsonObject tables = QJsonDocument::fromJson(QByteArray::fromStdString(*json)).object();
    ASSERT_TRUE(tables.contains("Indications")) << *json;
    std::vector<std::vector<jet::Value>> theirs;
    for (const QJsonValue &row : tables["Indications"].toArray()) {
        std::vector<jet::Value> values;
        for (const indications::Field field : indications::Fields) {
            const QJsonValue v = row.toObject()[indications::fieldName(field)];
            values.push_back(v.isNull() ? jet::Value::null() : text(v.toString().toStdString()));
        }
        theirs.push_back(values);
    }
    auto ours = sampleRows();
    auto byName = [](const auto &a, const auto &b) { return a[0].text < b[0].text; };
    std::sort(ours.begin(), ours.end(), byName);
    std::sort(theirs.begin(), theirs.end(), byName);
    EXPECT_EQ(theirs, ours);
}

} // namespace
