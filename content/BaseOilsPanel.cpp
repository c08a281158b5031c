#include "content/BaseOilsPanel.h"

namespace content {

Parsed<BaseOilsPanel> parseBaseOilsPanel(const QByteArray &json)
{
    ObjectReader root(BaseOilsPanelFile, json);
    BaseOilsPanel panel;
    {
        ObjectReader p = root.object("baseOilsPanel");
        panel.introduction = p.text("introduction");
        panel.dilutions = p.texts("dilutions");
        for (ObjectReader &row : p.objects("measurements"))
            panel.measurements.push_back({row.text("baseOil"), row.text("essentialOil")});
    }
    return finished(root, std::move(panel));
}

const BaseOilsPanel &baseOilsPanel()
{
    static const BaseOilsPanel value = readCompiledIn(BaseOilsPanelFile, &parseBaseOilsPanel);
    return value;
}

} // namespace content
