#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <vector>

class AppWindow;
class QPlainTextEdit;
class WindowManager;

// "Who is it for?" on the pages: while the setting is set, the oil profile rows, the oil lists of the
// indications page and the actions texts mark each oil the person should avoid, with the reason on hover and
// in the accessible description. Unset, the pages keep their own look. The pages are not changed for this:
// the marks are laid over them when they open.
namespace blend {

// Marks the oils named in a text box; owned by the box.
class TextMarks final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TextMarks)

public:
    // offerBlend: the box's context menu also offers "Make a blend from these oils".
    TextMarks(QPlainTextEdit *box, bool offerBlend);

    void refresh();
    // The table's oils the text names, in the order the text names them.
    QStringList oilsNamed() const;
    // "Make a blend from these oils": the calculator, started afresh with the oils the text names.
    void makeBlend() const;
    // The oils marked now, with the reason for each.
    const std::vector<std::pair<QString, QString>> &marked() const { return m_marked; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Hit
    {
        int start = 0;
        int length = 0;
        QString reason;
    };
    QPlainTextEdit *m_box;
    // Kept apart from the box: the viewport still has events while the box is being destroyed, when the box
    // can no longer be asked for it.
    QObject *m_viewport;
    bool m_offerBlend;
    QString m_description; // the box's own accessible description
    std::vector<Hit> m_hits;
    std::vector<std::pair<QString, QString>> m_marked;
};

// Marks the rows of an essential-oil page and gives each row "Add to blend" in its context menu.
void markOilPage(AppWindow *page);
// Lays the marks over each page of those kinds as it opens.
void installAvoidMarks(WindowManager &manager);

} // namespace blend
