#pragma once

#include "blend/logic/Blend.h"

#include <QObject>
#include <QString>
#include <optional>

// The blend calculator's shared state for every window: the safety table read once, and the person the user
// said the oils are for, remembered in the configuration folder. Pages mark the oils that person should
// avoid.
namespace blend {

// The calculator over the shipped table; nullptr when the table cannot be read (*error says why).
const Calculator *sharedCalculator(QString *error = nullptr);

class WhoIsItFor final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WhoIsItFor)

public:
    static WhoIsItFor &instance();

    // Nothing: not set, and the pages look as they always did.
    const std::optional<safety::Person> &person() const { return m_person; }
    // Keeps the person for this run and the next; a file that cannot be written is reported to the user.
    void set(const std::optional<safety::Person> &person);
    // Reads the setting again from the configuration folder (at start, and in tests).
    void reload();

    // Why the person should avoid the oil ("Avoid: not for children under 6 at any dose (source: ...)"), or
    // nothing when the setting is unset, the oil is unknown or fine for the person.
    QString avoidReason(const QString &oilName) const;

    static QString fileName();

signals:
    void changed();

private:
    WhoIsItFor();
    std::optional<safety::Person> m_person;
};

} // namespace blend
