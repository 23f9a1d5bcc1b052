// The class page: school year, grade, class and teacher, stored whenever a list entry is chosen,
// the teacher box is clicked, or the page is left with "次へ" or "前へ".
#pragma once

#include <QWidget>
#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class Wizard;
struct AppState;
struct Services;

class frmWiz1 : public QWidget {
    Q_OBJECT

public:
    frmWiz1(AppState& state, Services& services, Wizard& wizard, QWidget* parent = nullptr);

    void subSaveClass();

public Q_SLOTS:
    void Form_Activate();
    void cboWiz1Year_Click();
    void cboWiz1Class_Click(int index);
    void txtWiz1Teacher_Click();
    void cmdWiz1Next_Click();
    void cmdWiz1Before_Click();
    void cmdWiz1Cancel_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    AppState& m_state;
    Services& m_services;
    Wizard& m_wizard;

    QLabel* lblWiz1Comment;
    QComboBox* cboWiz1Year;
    std::array<QComboBox*, 2> cboWiz1Class{}; // 0 grade, 1 class
    QLineEdit* txtWiz1Teacher;
    // What the class and the teacher box left out of a typed text.
    QLabel* lblWiz1ClassNote;
    QLabel* lblWiz1TeacherNote;
    QPushButton* cmdWiz1Next;
    QPushButton* cmdWiz1Before;
    QPushButton* cmdWiz1Cancel;
};
