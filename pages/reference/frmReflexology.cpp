#include "pages/reference/frmReflexology.h"

#include "app/shell/PictureBox.h"
#include "app/shell/Twips.h"
#include "content/ReferencePages.h"
#include "pages/reference/PageLook.h"

using namespace pagelook;

frmReflexology::frmReflexology(QWidget *parent) : AppWindow(Forms::frmReflexology, parent)
{
    const content::ReflexologyLabels &labels = content::reflexologyLabels();

    auto *chart = new PictureBox(this); // owned by this window
    chart->setObjectName(QStringLiteral("imgChart"));
    chart->setSource(QStringLiteral(":/content/pictures/foot-reflexology-chart.svg"));
    chart->setGeometry(twips::rect(585, 210, 10695, 7605));

    LabelLook look;
    look.pointSize = 12;
    look.bold = true;
    look.text = QColor(0, 128, 128);
    look.wrap = false;
    const struct
    {
        const char *name;
        QString text;
        int left;
    } feet[] = {{"lblRightFoot", labels.right, 960}, {"lblLeftFoot", labels.left, 9570}};
    for (const auto &foot : feet) {
        QLabel *l =
            label(this, QString::fromLatin1(foot.name), foot.text, {foot.left, 1770, 1500, 300}, look);
        l->adjustSize(); // the label fits its caption, as an autosized label does
    }
}
