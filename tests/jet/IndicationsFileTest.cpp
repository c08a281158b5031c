// Checks the Indications.mdb that the build generates from the indications content.
#include "PeerTools.h"
#include "indications/logic/IndicationsSchema.h"
#include "indications/oillist/OilListCoding.h"
#include "jet/Database.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

std::vector<QJsonObject> contentRecords()
{
    std::vector<QJsonObject> records;
    for (const char *path : {INDICATIONS_JSON_A, INDICATIONS_JSON_B}) {
        QFile file(QString::fromUtf8(path));
        if (file.open(QIODevice::ReadOnly))
            for (const QJsonValue &v : QJsonDocument::fromJson(file.readAll()).array())
                records.push_back(v.toObject());
    }
    return records;
}

std::string crlf(const QString &text)
{
    return QString(text).replace(QLatin1String("\n"), QLatin1String("\r\n")).toStdString();
}

class GeneratedFileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!std::filesystem::exists(INDICATIONS_MDB))
            GTEST_SKIP() << INDICATIONS_MDB << " has not been generated";
    }
};

TEST_F(GeneratedFileTest, HoldsEveryContentRecordWithStoredOilListsAndCrLf)
{
    auto db = jet::Database::open(INDICATIONS_MDB);
    ASSERT_TRUE(db) << db.error().message;
    EXPECT_EQ((*db)->tableNames(), std::vector<std::string>{"Indications"});
    auto data = (*db)->readTable("Indications");
    ASSERT_TRUE(data) << data.error().message;
    const auto records = contentRecords();
    ASSERT_EQ(data->rows.size(), records.size());
    for (std::size_t i = 0; i < records.size(); ++i) {
        const auto &row = data->rows[i];
        const QJsonObject &r = records[i];
        EXPECT_EQ(row[0].text, r["Indications"].toString().toStdString());
        EXPECT_EQ(row[1].text,
                  EncodeOilList(QString::fromStdString(crlf(r["Oils"].toString()))).toStdString());
        EXPECT_EQ(DecodeOilList(QString::fromStdString(row[1].text)).toStdString(),
                  crlf(r["Oils"].toString()));
        EXPECT_EQ(row[2].text, crlf(r["Method"].toString()));
        EXPECT_EQ(row[3].text, crlf(r["Notes"].toString()));
    }
    EXPECT_TRUE((*db)->checkWritable("Indications")) << "the page edits this table";
}

TEST_F(GeneratedFileTest, MdbExportReadsItAsWeDo)
{
    auto db = jet::Database::open(INDICATIONS_MDB);
    ASSERT_TRUE(db) << db.error().message;
    auto ours = peers::ourExport(**db, "Indications");
    auto theirs = peers::mdbExport(INDICATIONS_MDB, "Indications");
    std::sort(ours.begin() + 1, ours.end());
    std::sort(theirs.begin() + 1, theirs.end());
    EXPECT_EQ(ours, theirs);
}

// The shipped file cut in half at a page boundary: once read as 90 of its 251 records, without a word.
TEST_F(GeneratedFileTest, CutInHalfIsReportedAsDamaged)
{
    const std::string path = peers::tempDir() + "/Indications-cut.mdb";
    std::filesystem::copy_file(INDICATIONS_MDB, path, std::filesystem::copy_options::overwrite_existing);
    const auto half = std::filesystem::file_size(path) / 2;
    std::filesystem::resize_file(path, half - half % 4096);
    auto db = jet::Database::open(path);
    if (!db) {
        EXPECT_EQ(db.error().kind, jet::ErrorKind::Corrupt) << db.error().message;
        return;
    }
    const auto data = (*db)->readTable("Indications");
    ASSERT_FALSE(data) << data->rows.size() << " records read as if the file were whole";
    EXPECT_EQ(data.error().kind, jet::ErrorKind::Corrupt);
    EXPECT_NE(data.error().message.find(path), std::string::npos) << data.error().message;
    EXPECT_FALSE((*db)->checkWritable("Indications"));
}

TEST_F(GeneratedFileTest, MdbReaderReadsItAsWeDo)
{
    std::string whyNot;
    const auto json = peers::mdbReaderJson(INDICATIONS_MDB, &whyNot);
    if (!json)
        GTEST_SKIP() << whyNot;
    ASSERT_FALSE(json->empty()) << whyNot;
    const QJsonArray theirRows =
        QJsonDocument::fromJson(QByteArray::fromStdString(*json)).object()["Indications"].toArray();
    auto db = jet::Database::open(INDICATIONS_MDB);
    ASSERT_TRUE(db) << db.error().message;
    const auto data = (*db)->readTable("Indications");
    ASSERT_TRUE(data);
    std::vector<std::vector<std::string>> ours, theirs;
    for (const QJsonValue &row : theirRows) {
        std::vector<std::string> r;
        for (const indications::Field f : indications::Fields)
            r.push_back(row.toObject()[indications::fieldName(f)].toString().toStdString());
        theirs.push_back(r);
    }
    for (const auto &row : data->rows) {
        std::vector<std::string> r;
        for (const jet::Value &v : row)
            r.push_back(v.text);
        ours.push_back(r);
    }
    std::sort(ours.begin(), ours.end());
    std::sort(theirs.begin(), theirs.end());
    EXPECT_EQ(theirs, ours);
}

} // namespace
