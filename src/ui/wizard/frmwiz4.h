// The annual plan page.
#pragma once

#include <QWidget>

class QPushButton;
class Wizard;
struct AppState;
struct Services;

class frmWiz4 : public QWidget {
    Q_OBJECT

public:
    frmWiz4(AppState& state, Services& services, Wizard& wizard, QWidget* parent = nullptr);

public Q_SLOTS:
    void Form_Activate();

private:
    AppState& m_state;
    Services& m_services;
    Wizard& m_wizard;
};
