#include "app/script/ScriptedRun.h"

#include "app/shell/MessageBox.h"
#include "app/shell/WindowManager.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTextEdit>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <optional>

namespace script {

namespace {

// The commands, and whether free text follows the control's name.
struct Command
{
    const char *name;
    bool takesText;
};
constexpr Command Commands[] = {{"click", false}, {"type", true}, {"show", false}, {"close", false}};

const Command *findCommand(const QString &name)
{
    for (const Command &command : Commands) {
        if (name == QLatin1String(command.name))
            return &command;
    }
    return nullptr;
}

void writeLine(FILE *stream, const QString &text)
{
    std::fputs(qPrintable(text + QLatin1Char('\n')), stream);
    std::fflush(stream);
}

QWidget *findShown(const QString &name)
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (!window->isVisible())
            continue;
        if (window->objectName() == name)
            return window;
        for (QWidget *child : window->findChildren<QWidget *>(name)) {
            if (child->isVisible())
                return child;
        }
    }
    return nullptr;
}

std::optional<QString> textOf(QWidget *widget)
{
    if (auto *line = qobject_cast<QLineEdit *>(widget))
        return line->text();
    if (auto *plain = qobject_cast<QPlainTextEdit *>(widget))
        return plain->toPlainText();
    if (auto *rich = qobject_cast<QTextEdit *>(widget))
        return rich->toPlainText();
    if (auto *label = qobject_cast<QLabel *>(widget))
        return label->text();
    return std::nullopt;
}

// Selecting everything and inserting marks the box as changed, as typing does; setting the text would not.
bool typeInto(QWidget *widget, const QString &text)
{
    if (auto *line = qobject_cast<QLineEdit *>(widget)) {
        line->selectAll();
        line->insert(text);
        return true;
    }
    if (auto *plain = qobject_cast<QPlainTextEdit *>(widget)) {
        plain->selectAll();
        plain->insertPlainText(text);
        return true;
    }
    if (auto *rich = qobject_cast<QTextEdit *>(widget)) {
        rich->selectAll();
        rich->insertPlainText(text);
        return true;
    }
    return false;
}

// What went wrong with the step; empty when it was done.
QString perform(const Step &step)
{
    QWidget *widget = findShown(step.target);
    if (!widget)
        return QStringLiteral("nothing named %1 is on show").arg(step.target);
    if (step.command == QLatin1String("click")) {
        auto *button = qobject_cast<QAbstractButton *>(widget);
        if (!button)
            return QStringLiteral("%1 is not a button").arg(step.target);
        button->click();
    } else if (step.command == QLatin1String("type")) {
        if (!typeInto(widget, step.text))
            return QStringLiteral("%1 is not a text box").arg(step.target);
    } else if (step.command == QLatin1String("show")) {
        const std::optional<QString> text = textOf(widget);
        if (!text)
            return QStringLiteral("%1 shows no text").arg(step.target);
        writeLine(stdout, step.target + QStringLiteral(": ") + *text);
    } else if (step.command == QLatin1String("close")) {
        if (!widget->isWindow())
            return QStringLiteral("%1 is not a window").arg(step.target);
        widget->close();
    }
    return {};
}

void runFrom(std::shared_ptr<const std::vector<Step>> steps, std::size_t next)
{
    if (windows().programEnded())
        return;
    if (next == steps->size()) {
        windows().EndProgram();
        return;
    }
    const Step &step = (*steps)[next];
    if (const QString failure = perform(step); !failure.isEmpty()) {
        writeLine(stderr, QStringLiteral("script line %1: %2").arg(step.line).arg(failure));
        QCoreApplication::exit(1);
        return;
    }
    QTimer::singleShot(0, qApp, [steps, next] { runFrom(steps, next + 1); });
}

} // namespace

Script parse(const QString &text)
{
    Script script;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        // A command, the name of a control or window, and for typing the text after one space, kept as it is.
        static const QRegularExpression grammar(QStringLiteral("^(\\S+)(?:\\s+(\\S+)(?: (.*))?)?$"));
        const QRegularExpressionMatch words = grammar.match(line);
        const Command *command = findCommand(words.captured(1));
        if (!command || !words.hasCaptured(2) || (!command->takesText && words.hasCaptured(3))) {
            // A script that cannot run whole does not run at all.
            return {{}, QStringLiteral("script line %1 is not a command: %2").arg(i + 1).arg(line)};
        }
        script.steps.push_back({i + 1, words.captured(1), words.captured(2), words.captured(3)});
    }
    return script;
}

Script read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {{}, QStringLiteral("the script %1 cannot be read: %2").arg(path, file.errorString())};
    return parse(QString::fromUtf8(file.readAll()));
}

void captureMessages()
{
    messagebox::setHandler(
        [](const QString &text) { writeLine(stdout, QStringLiteral("message: ") + text); });
}

void start(std::vector<Step> steps)
{
    auto shared = std::make_shared<const std::vector<Step>>(std::move(steps));
    QTimer::singleShot(0, qApp, [shared] { runFrom(shared, 0); });
}

} // namespace script
