#pragma once

#include "print/PrintServices.h"

#include <QDialog>

class QComboBox;
class QFontDialog;

namespace printservices {

// The font dialog of the print page: the toolkit's font choice (family, style, size, strikethrough,
// underline) with a colour list beside it, as the text's colour belongs to the same choice.
class FontColourDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FontColourDialog)

public:
    explicit FontColourDialog(QWidget *parent = nullptr);
    ~FontColourDialog() override;

    void setChoice(const FontChoice &choice);
    FontChoice choice() const;

    // The colours offered by name; a start colour outside them is added to the list.
    static const std::vector<std::pair<QString, QColor>> &namedColours();

private:
    void selectColour(const QColor &colour);

    QFont m_start;                  // the text's font as handed to setChoice
    QFont m_shown;                  // the same as the dialog shows it
    QFontDialog *m_fonts = nullptr; // owned by this dialog as a child
    QComboBox *m_colours = nullptr; // owned by this dialog as a child
};

} // namespace printservices
