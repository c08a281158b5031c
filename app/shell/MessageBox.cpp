#include "app/shell/MessageBox.h"

#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace messagebox {
namespace {
Handler &installed()
{
    static Handler handler;
    return handler;
}
Answerer &answerer()
{
    static Answerer answer;
    return answer;
}
} // namespace

int minimumWidth(const QFontMetrics &titleFont)
{
    // A title bar holds the title beside the window icon and up to three buttons, each about as wide as the
    // bar is high; the bar is taken as twice the text height.
    return titleFont.horizontalAdvance(Title) + 4 * 2 * titleFont.height();
}

namespace {
std::unique_ptr<QMessageBox> buildWith(QWidget *parent, const QString &text, QMessageBox::Icon icon,
                                       QMessageBox::StandardButtons buttons)
{
    auto box = std::make_unique<QMessageBox>(icon, Title, text, buttons, parent);
    // A short text alone would make the box so narrow that the window manager cuts its title.
    if (auto *grid = qobject_cast<QGridLayout *>(box->layout())) {
        grid->addItem(new QSpacerItem(minimumWidth(box->fontMetrics()), 0, QSizePolicy::Minimum,
                                      QSizePolicy::Fixed), // owned by the layout
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
    return box;
}
} // namespace

std::unique_ptr<QMessageBox> build(QWidget *parent, const QString &text)
{
    return buildWith(parent, text, QMessageBox::Information, QMessageBox::Ok);
}

void show(QWidget *parent, const QString &text)
{
    if (installed()) {
        installed()(text);
        return;
    }
    build(parent, text)->exec();
}

Handler setHandler(Handler handler)
{
    std::swap(installed(), handler);
    return handler;
}

bool ask(QWidget *parent, const QString &question)
{
    if (installed()) {
        installed()(question);
        return answerer() && answerer()(question);
    }
    auto box = buildWith(parent, question, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No);
    box->setDefaultButton(QMessageBox::No);
    return box->exec() == QMessageBox::Yes;
}

Answerer setAnswerer(Answerer answer)
{
    std::swap(answerer(), answer);
    return answer;
}

} // namespace messagebox
