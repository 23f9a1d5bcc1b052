// Keeps a text box to what the plan file can hold while the teacher types: look-alikes become the
// file's form at once, any other character the file cannot hold is not taken, and a note beside
// the box names it (no message box per keystroke). The note goes when the box is left.
#pragma once

#include <QObject>
#include <QString>

class QLabel;
class QLineEdit;

// What a note is called before it has anything to say; shown, it is named by what it says.
inline const QString kTypedTextNoteName = QStringLiteral("入力についての注意");

class TypedTextGuard : public QObject {
    Q_OBJECT

public:
    // `note` may be shared by several boxes; it names what the last one left out. Owned by the box.
    TypedTextGuard(QLineEdit* box, QLabel* note);

Q_SIGNALS:
    // The note now names what this box left out; a window that places its note by hand moves it here.
    void noteShown(QLineEdit* box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void boxEdited();

    QLineEdit* m_box;
    QLabel* m_note;
};
