#pragma once

#include "content/ContentReader.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <vector>

// The reference pages built from data (reference/*.json): the safety and information pages of text blocks,
// the base-oil tables, the antioxidant values, the reflexology chart's labels and the about box's texts.
// Captions, chain buttons and colours belong to the window catalogue.
namespace content {

// One block of a text page, read top to bottom.
struct TextBlock
{
    enum class Kind { Heading, Line, Paragraph, Source, Rule, Names, Button };
    Kind kind = Kind::Line;
    QString text;               // empty for a names block
    QStringList indented;       // a rule's paragraphs below it
    QList<QStringList> columns; // a names block's columns, at most four
    QString name;               // a button's control name
};

struct TextPageContent
{
    QString form; // the window's name
    std::vector<TextBlock> blocks;
};

struct BaseOilRow
{
    QString name;
    QString application;
    QString indication;
};

struct BaseOilBook
{
    QString heading;
    QStringList columnHeadings;
    QStringList rowBackgrounds; // "#rrggbb", repeated in turn from the first row down
    struct Page
    {
        QString form;
        std::vector<BaseOilRow> rows;
    };
    std::vector<Page> pages;
};

struct AntioxidantValue
{
    QString name;
    qint64 value = 0; // micromole Trolox equivalents per 100 g
    QString text;     // the value as the page writes it
};

struct AntioxidantsPage
{
    QString heading;
    QString introduction;
    QString study;
    QString foodsIntro;
    std::vector<AntioxidantValue> oils; // highest value first
    std::vector<AntioxidantValue> foods;
};

struct ReflexologyLabels
{
    QString right;
    QString left;
};

// The about box's texts by control name; "{maker.key}" stands for a value of the maker's configuration.
struct AboutTexts
{
    QMap<QString, QString> labels;
    QMap<QString, QString> buttons;
};

inline const QString SafetyPagesFile = QStringLiteral("reference/safety.json");
inline const QString InformationPageFile = QStringLiteral("reference/information.json");
inline const QString BaseOilBookFile = QStringLiteral("reference/baseoils.json");
inline const QString AntioxidantsFile = QStringLiteral("reference/antioxidants.json");
inline const QString ReflexologyFile = QStringLiteral("reference/reflexology.json");
inline const QString AboutFile = QStringLiteral("reference/about.json");

// The about box's labels and buttons, each of which its file must give.
inline const QStringList AboutLabelNames{"lblAppName", "lblVersion", "Label7",     "lblComments",
                                         "Label3",     "Label1",     "Label2",     "lblPhoneNr",
                                         "Label15",    "Label11",    "lblCompany", "rightsUnderButtons"};
inline const QStringList AboutButtonNames{"cmdUpgrade", "cmdHistory"};

Parsed<std::vector<TextPageContent>> parseSafetyPages(const QByteArray &json);
Parsed<TextPageContent> parseInformationPage(const QByteArray &json);
Parsed<BaseOilBook> parseBaseOilBook(const QByteArray &json);
Parsed<AntioxidantsPage> parseAntioxidants(const QByteArray &json);
Parsed<ReflexologyLabels> parseReflexology(const QByteArray &json);
Parsed<AboutTexts> parseAbout(const QByteArray &json);

// The compiled-in pages.
const std::vector<TextPageContent> &safetyPages();
const TextPageContent &informationPage();
const BaseOilBook &baseOilBook();
const AntioxidantsPage &antioxidantsPage();
const ReflexologyLabels &reflexologyLabels();
const AboutTexts &aboutTexts();

} // namespace content
