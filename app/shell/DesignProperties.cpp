#include "app/shell/DesignProperties.h"

#include "app/shell/ButtonColours.h"

#include <QAbstractButton>
#include <QColor>
#include <QCoreApplication>
#include <QDynamicPropertyChangeEvent>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVariant>
#include <QWidget>

namespace {

// A label padded by a style sheet is drawn with an indent of half an "x" of its font besides the padding;
// this keeps that indent as the resizer changes the font. It is measured when the label is shown: measuring
// a font loads it, and the labels of a hidden panel need theirs only when the panel opens.
class HalfXIndent final : public QObject
{
public:
    explicit HalfXIndent(QLabel *label) : QObject(label), m_label(label)
    {
        label->installEventFilter(this);
        if (label->isVisible())
            follow();
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Show || (event->type() == QEvent::FontChange && m_label->isVisible()))
            follow();
        return false;
    }

private:
    void follow() { m_label->setIndent(m_label->fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2); }

    QLabel *m_label;
};

QString &shownFamily()
{
    static QString family;
    return family;
}

void applyFontSize(QWidget *widget)
{
    const QVariant size = widget->property("pointSizeF");
    if (!size.isValid())
        return;
    QFont font = widget->font();
    font.setPointSizeF(size.toDouble());
    widget->setFont(font);
}

// Only controls that draw the design's own texts: a text box's font becomes its document's, and a document
// names its family in the files it is saved to.
bool drawsDesignText(const QWidget *widget)
{
    return qobject_cast<const QLabel *>(widget) || qobject_cast<const QAbstractButton *>(widget) ||
           qobject_cast<const QGroupBox *>(widget);
}

void applyShownFamily(QWidget *widget)
{
    const QString &shown = shownFamily();
    if (shown.isEmpty() || widget->font().family() != designFamily() || !drawsDesignText(widget))
        return;
    QFont font = widget->font();
    font.setFamily(shown);
    widget->setFont(font);
}

void applyColours(QWidget *widget)
{
    const QVariant text = widget->property("textColor");
    const QVariant background = widget->property("backgroundColor");
    if (!text.isValid() && !background.isValid())
        return;
    QPalette palette = widget->palette();
    if (text.isValid())
        palette.setColor(QPalette::WindowText, text.value<QColor>());
    if (background.isValid())
        palette.setColor(QPalette::Window, background.value<QColor>());
    widget->setPalette(palette);
    if (background.isValid())
        widget->setAutoFillBackground(true);
}

void applyPadding(QWidget *widget)
{
    const QVariant padding = widget->property("paddingLeft");
    if (!padding.isValid())
        return;
    QMargins margins = widget->contentsMargins();
    margins.setLeft(padding.toInt());
    widget->setContentsMargins(margins);
    if (auto *label = qobject_cast<QLabel *>(widget))
        new HalfXIndent(label); // owned by the label
}

} // namespace

QString designFamily()
{
    return QStringLiteral("Times New Roman");
}

void setDesignFamilyShown(const QString &family)
{
    shownFamily() = family;
}

void applyDesignProperties(QWidget *root)
{
    const auto all = root->findChildren<QWidget *>();
    for (QWidget *widget : all) {
        applyShownFamily(widget);
        // A control without dynamic properties is passed over: asking one for a property it lacks searches
        // its whole class chain first.
        if (widget->dynamicPropertyNames().isEmpty())
            continue;
        applyFontSize(widget);
        if (auto *button = qobject_cast<QPushButton *>(widget)) {
            const QVariant colour = button->property("buttonColor");
            if (colour.isValid())
                colourButton(button, colour.value<QColor>());
        }
        applyColours(widget);
        applyPadding(widget);
    }
}

DesignFontsAsSet::DesignFontsAsSet()
{
    QCoreApplication::instance()->installEventFilter(this);
}

DesignFontsAsSet::~DesignFontsAsSet()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

bool DesignFontsAsSet::eventFilter(QObject *watched, QEvent *event)
{
    if (!watched->isWidgetType())
        return false;
    if (event->type() == QEvent::FontChange)
        applyShownFamily(static_cast<QWidget *>(watched));
    else if (event->type() == QEvent::DynamicPropertyChange &&
             static_cast<QDynamicPropertyChangeEvent *>(event)->propertyName() == "pointSizeF")
        applyFontSize(static_cast<QWidget *>(watched));
    return false;
}
