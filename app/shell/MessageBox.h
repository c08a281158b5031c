#pragma once

#include <QString>
#include <functional>
#include <memory>

class QFontMetrics;
class QMessageBox;
class QWidget;

// Message boxes of the program: an OK button and the short title "Ambrelis". Tests install a handler so that
// no modal box blocks them.
namespace messagebox {

inline const QString Title = QStringLiteral("Ambrelis");

void show(QWidget *parent, const QString &text);

// The box that show() runs, however short its text: at least minimumWidth() wide, so its title is read whole.
std::unique_ptr<QMessageBox> build(QWidget *parent, const QString &text);
int minimumWidth(const QFontMetrics &titleFont);

using Handler = std::function<void(const QString &text)>;
// Installs a handler that receives the text instead of a modal box; returns the previous one (empty: real
// box).
Handler setHandler(Handler handler);

// A question with the buttons Yes and No (the default); true for Yes. With a handler installed no box is
// shown: the handler receives the question, and the answerer answers it (No when there is none).
bool ask(QWidget *parent, const QString &question);
using Answerer = std::function<bool(const QString &question)>;
// Installs the answerer for questions; returns the previous one.
Answerer setAnswerer(Answerer answerer);

} // namespace messagebox
