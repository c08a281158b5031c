#include "content/ReferencePages.h"

#include <algorithm>

namespace content {

namespace {

// The kinds of block a text page knows, by the name its file gives them.
const std::pair<const char *, TextBlock::Kind> BlockKinds[] = {
    {"heading", TextBlock::Kind::Heading},     {"line", TextBlock::Kind::Line},
    {"paragraph", TextBlock::Kind::Paragraph}, {"source", TextBlock::Kind::Source},
    {"rule", TextBlock::Kind::Rule},           {"names", TextBlock::Kind::Names},
    {"button", TextBlock::Kind::Button}};

constexpr int MaxNameColumns = 4;

TextBlock readBlock(ObjectReader &block)
{
    TextBlock b;
    const QString kind = block.text("kind");
    const auto known = std::find_if(std::begin(BlockKinds), std::end(BlockKinds),
                                    [&](const auto &k) { return kind == QLatin1String(k.first); });
    if (known == std::end(BlockKinds)) {
        block.reject("kind", QStringLiteral("not a kind of block: \"%1\"").arg(kind));
        return b;
    }
    b.kind = known->second;
    switch (b.kind) {
    case TextBlock::Kind::Names:
        b.columns = block.textLists("columns");
        if (b.columns.size() > MaxNameColumns)
            block.reject("columns", QStringLiteral("more than %1 columns").arg(MaxNameColumns));
        break;
    case TextBlock::Kind::Button:
        b.name = block.text("name");
        b.text = block.text("text");
        break;
    case TextBlock::Kind::Rule:
        b.text = block.text("text");
        b.indented = block.optionalTexts("indented").value_or(QStringList());
        break;
    default:
        b.text = block.text("text");
        break;
    }
    return b;
}

TextPageContent readTextPage(ObjectReader &page)
{
    TextPageContent p;
    p.form = page.text("form");
    for (ObjectReader &block : page.objects("blocks"))
        p.blocks.push_back(readBlock(block));
    return p;
}

std::vector<AntioxidantValue> readValues(ObjectReader &page, const char *key)
{
    std::vector<AntioxidantValue> values;
    for (ObjectReader &entry : page.objects(key))
        values.push_back({entry.text("name"), entry.integer("value"), entry.text("text")});
    return values;
}

QMap<QString, QString> readNamedTexts(ObjectReader &parent, const char *key, const QStringList &names)
{
    ObjectReader object = parent.object(key);
    QMap<QString, QString> texts;
    for (const QString &name : names)
        texts.insert(name, object.text(name.toLatin1().constData()));
    return texts;
}

} // namespace

Parsed<std::vector<TextPageContent>> parseSafetyPages(const QByteArray &json)
{
    ObjectReader root(SafetyPagesFile, json);
    std::vector<TextPageContent> pages;
    for (ObjectReader &page : root.objects("pages"))
        pages.push_back(readTextPage(page));
    return finished(root, std::move(pages));
}

Parsed<TextPageContent> parseInformationPage(const QByteArray &json)
{
    ObjectReader root(InformationPageFile, json);
    TextPageContent page = readTextPage(root);
    return finished(root, std::move(page));
}

Parsed<BaseOilBook> parseBaseOilBook(const QByteArray &json)
{
    ObjectReader root(BaseOilBookFile, json);
    BaseOilBook book;
    book.heading = root.text("heading");
    book.columnHeadings = root.texts("columnHeadings");
    book.rowBackgrounds = root.texts("rowBackgrounds");
    for (ObjectReader &page : root.objects("pages")) {
        BaseOilBook::Page p;
        p.form = page.text("form");
        for (ObjectReader &row : page.objects("rows"))
            p.rows.push_back({row.text("name"), row.text("application"), row.text("indication")});
        book.pages.push_back(std::move(p));
    }
    return finished(root, std::move(book));
}

Parsed<AntioxidantsPage> parseAntioxidants(const QByteArray &json)
{
    ObjectReader root(AntioxidantsFile, json);
    AntioxidantsPage page;
    page.heading = root.text("heading");
    page.introduction = root.text("introduction");
    page.study = root.text("study");
    page.foodsIntro = root.text("foodsIntro");
    page.oils = readValues(root, "oils");
    page.foods = readValues(root, "foods");
    return finished(root, std::move(page));
}

Parsed<ReflexologyLabels> parseReflexology(const QByteArray &json)
{
    ObjectReader root(ReflexologyFile, json);
    ReflexologyLabels labels;
    {
        ObjectReader l = root.object("labels");
        labels.right = l.text("right");
        labels.left = l.text("left");
    }
    return finished(root, std::move(labels));
}

Parsed<AboutTexts> parseAbout(const QByteArray &json)
{
    ObjectReader root(AboutFile, json);
    AboutTexts texts;
    texts.labels = readNamedTexts(root, "labels", AboutLabelNames);
    texts.buttons = readNamedTexts(root, "buttons", AboutButtonNames);
    return finished(root, std::move(texts));
}

const std::vector<TextPageContent> &safetyPages()
{
    static const std::vector<TextPageContent> value = readCompiledIn(SafetyPagesFile, &parseSafetyPages);
    return value;
}

const TextPageContent &informationPage()
{
    static const TextPageContent value = readCompiledIn(InformationPageFile, &parseInformationPage);
    return value;
}

const BaseOilBook &baseOilBook()
{
    static const BaseOilBook value = readCompiledIn(BaseOilBookFile, &parseBaseOilBook);
    return value;
}

const AntioxidantsPage &antioxidantsPage()
{
    static const AntioxidantsPage value = readCompiledIn(AntioxidantsFile, &parseAntioxidants);
    return value;
}

const ReflexologyLabels &reflexologyLabels()
{
    static const ReflexologyLabels value = readCompiledIn(ReflexologyFile, &parseReflexology);
    return value;
}

const AboutTexts &aboutTexts()
{
    static const AboutTexts value = readCompiledIn(AboutFile, &parseAbout);
    return value;
}

} // namespace content
