#include "content/ContentChecks.h"

#include "content/ActionTexts.h"
#include "content/BachTexts.h"
#include "content/BaseOilsPanel.h"
#include "content/IndicationRecords.h"
#include "content/OilBook.h"
#include "content/ProductCatalogue.h"
#include "content/ReferencePages.h"
#include "content/ViewerTexts.h"
#include "safety/SafetyFile.h"
#include "shared/MakerConfig.h"

namespace content {

namespace {

template <typename T, Parsed<T> (*parse)(const QByteArray &)> QString problemOf(const QByteArray &json)
{
    return parse(json).problem;
}

// The maker's reader lives below content/ in the layers and names keys without the file; the check adds it.
QString makerConfigProblem(const QByteArray &json)
{
    QString error;
    return maker::parseMakerConfig(json, &error) ? QString()
                                                 : maker::MakerConfigFile + QStringLiteral(": ") + error;
}

} // namespace

const std::vector<ContentCheck> &contentChecks()
{
    static const std::vector<ContentCheck> checks = [] {
        std::vector<ContentCheck> list{
            {OilBookFile, &problemOf<OilBook, &parseOilBook>},
            {BaseOilsPanelFile, &problemOf<BaseOilsPanel, &parseBaseOilsPanel>},
            {SafetyPagesFile, &problemOf<std::vector<TextPageContent>, &parseSafetyPages>},
            {InformationPageFile, &problemOf<TextPageContent, &parseInformationPage>},
            {BaseOilBookFile, &problemOf<BaseOilBook, &parseBaseOilBook>},
            {AntioxidantsFile, &problemOf<AntioxidantsPage, &parseAntioxidants>},
            {ReflexologyFile, &problemOf<ReflexologyLabels, &parseReflexology>},
            {AboutFile, &problemOf<AboutTexts, &parseAbout>},
            {HistoryFile, &problemOf<QList<HistoryEntry>, &parseHistory>},
            {SourcesFile, &problemOf<SourcesText, &parseSources>},
            {BachRemediesFile, &problemOf<QList<BachRemedy>, &parseBachRemedies>},
            {BachHistoryFile, &problemOf<QStringList, &parseBachHistory>},
            {BachReferencesFile, &problemOf<QStringList, &parseBachReferences>},
            {RescueFile, &problemOf<RescueTexts, &parseRescue>},
            {ActionsFile, &problemOf<QList<ActionEntry>, &parseActions>},
            {ProductCatalogueFile, &problemOf<ProductCatalogue, &parseProductCatalogue>},
            {AfflictionNamesFile, &problemOf<QStringList, &parseAfflictionNames>},
            {safety::SafetyContentFile,
             [](const QByteArray &json) {
                 return safety::parseSafetySections(safety::SafetyContentFile, json).problem;
             }},
            {IndicationRecordFiles[0],
             [](const QByteArray &json) {
                 return parseIndicationRecords(IndicationRecordFiles[0], json).problem;
             }},
            {IndicationRecordFiles[1],
             [](const QByteArray &json) {
                 return parseIndicationRecords(IndicationRecordFiles[1], json).problem;
             }},
        };
        // The readers name content files below content/, as the program's resources do.
        for (ContentCheck &check : list)
            check.file.prepend(QStringLiteral("content/"));
        list.push_back({maker::MakerConfigFile, &makerConfigProblem});
        return list;
    }();
    return checks;
}

} // namespace content
