// A heading label whose words, separated by ideographic spaces in its text, are each drawn centred
// over a column of the grid below it; the text stays as written for accessibility.
#pragma once

#include <QLabel>
#include <QList>

class ColumnHeading : public QLabel {
    Q_OBJECT

public:
    explicit ColumnHeading(const QString& text, QWidget* parent = nullptr);

    // Horizontal centres, in this label's coordinates, one per word of the text.
    void setColumnCentres(const QList<int>& centres);
    // The words as drawn: the text split at runs of ideographic spaces.
    QStringList words() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QList<int> m_centres;
};
