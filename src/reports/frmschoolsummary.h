// The whole-school summary window (学校全体の集計): the teacher in charge of the curriculum picks
// the classes' plan files (several at once, or a folder), sees each class's year plan against the
// hours registered up to a date, one school year at a time, and saves the table as CSV or prints it.
#pragma once

#include "summary/schoolsummary.h"

#include <QStringList>
#include <QWidget>

struct Services;
class Grid;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QListWidget;
class QPushButton;

class frmSchoolSummary : public QWidget {
    Q_OBJECT

public:
    explicit frmSchoolSummary(Services& services, QWidget* parent = nullptr);

    const QStringList& files() const { return m_files; }
    const SchoolSummary& summary() const { return m_summary; }

public Q_SLOTS:
    // Reads the files again: a plan saved meanwhile shows its new figures.
    void Form_Activate();
    void cmdSummaryAddFiles_Click();
    void cmdSummaryAddFolder_Click();
    void cmdSummaryClear_Click();
    void chkSummaryUntil_Click();
    void dtpSummaryUntil_Change();
    void cboSummaryYear_Click();
    void cmdSummarySaveCsv_Click();
    void cmdSummaryPrint_Click();
    void cmdSummaryClose_Click();

private:
    void addFiles(const QStringList& files);
    void refresh();
    void fillGrid();
    // False, after telling the teacher, when there is nothing to save or print.
    bool hasClasses();

    Services& m_services;
    QStringList m_files;
    SchoolSummary m_summary;

    QPushButton* cmdSummaryAddFiles = nullptr;
    QPushButton* cmdSummaryAddFolder = nullptr;
    QPushButton* cmdSummaryClear = nullptr;
    QCheckBox* chkSummaryUntil = nullptr;
    QDateEdit* dtpSummaryUntil = nullptr;
    QLabel* lblSummaryYear = nullptr;
    QComboBox* cboSummaryYear = nullptr;
    QLabel* lblSummaryStatus = nullptr;
    Grid* gridSummary = nullptr;
    QLabel* lblSummaryErrors = nullptr;
    QListWidget* lstSummaryErrors = nullptr;
    QLabel* lblSummaryEncoding = nullptr;
    QComboBox* cboSummaryEncoding = nullptr;
    QPushButton* cmdSummarySaveCsv = nullptr;
    QPushButton* cmdSummaryPrint = nullptr;
    QPushButton* cmdSummaryClose = nullptr;
};
