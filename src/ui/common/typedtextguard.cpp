#include "ui/common/typedtextguard.h"

#include "planfile/codepagetext.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>

namespace {
// The box a shared note speaks for.
const char* const kNoteOwner = "typedTextNoteOwner";
} // namespace

TypedTextGuard::TypedTextGuard(QLineEdit* box, QLabel* note) : QObject(box), m_box(box), m_note(note)
{
    // After the box's own handlers of the same signal, so it sees their result.
    connect(box, &QLineEdit::textEdited, this, &TypedTextGuard::boxEdited);
    box->installEventFilter(this);
}

void TypedTextGuard::boxEdited()
{
    const QString typed = m_box->text();
    const TypedText fitted = fitTypedText(typed);
    if (fitted.text != typed) {
        const qsizetype cursor = fitTypedText(typed.left(m_box->cursorPosition())).text.size();
        m_box->setText(fitted.text);
        m_box->setCursorPosition(int(cursor));
    }
    if (fitted.refused.isEmpty())
        return;
    m_note->setText(refusedCharactersNote(fitted.refused));
    m_note->setAccessibleName(m_note->text());
    m_note->setProperty(kNoteOwner, QVariant::fromValue<QObject*>(m_box));
    m_note->show();
    Q_EMIT noteShown(m_box);
}

bool TypedTextGuard::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_box && event->type() == QEvent::FocusOut &&
        m_note->property(kNoteOwner).value<QObject*>() == m_box) {
        m_note->hide();
        m_note->setProperty(kNoteOwner, QVariant());
    }
    return QObject::eventFilter(watched, event);
}
