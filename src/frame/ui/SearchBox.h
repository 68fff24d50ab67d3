#pragma once

#include <QComboBox>
#include <QLabel>

// A toolbar button that shows only its text. No command handles its id, yet it never looks
// greyed, and customisation cannot edit it.
class CToolbarLabel : public QLabel {
    Q_OBJECT
public:
    CToolbarLabel(int nCommand, const QString& text, QWidget* parent);
    int command() const { return m_nCommand; }
    bool IsEditable() const { return false; }

private:
    int m_nCommand;
};

// The find box of the "Hledat" toolbar: an editable combo box of the texts found in this run.
// Releasing Enter in it (not a repeat of the key) asks for the find.
class CSearchComboButton : public QComboBox {
    Q_OBJECT
public:
    static constexpr int kDefaultWidth = 167;

    explicit CSearchComboButton(QWidget* parent, int width = kDefaultWidth);
    QStringList entries() const;
    // Puts `text` into the history as the find does and leaves it in the edit field.
    void addFindText(const QString& text);

signals:
    void findRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
