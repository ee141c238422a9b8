// The about box and the program's built-in help: the version, the credit, and the sections
// of readme.txt.
#pragma once

#include <QWidget>

#include <string>

class QLabel;
class QPlainTextEdit;
class QPushButton;

class FormAbout : public QWidget {
    Q_OBJECT
public:
    explicit FormAbout(QWidget *parent = nullptr);

    // The marker of the section on display.
    const std::u16string &sectionMark() const { return SectionMark; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private slots:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

private:
    void Form_Load();
    void createControls();
    void applyLayout();
    void fitPane();
    void showSection(std::u16string_view mark);
    void myShowReadme();

    std::u16string SectionMark;

    QPushButton *Command1 = nullptr;
    QLabel *LabelTitle = nullptr;
    QLabel *LabelMe = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command3 = nullptr;
    QPushButton *Command4 = nullptr;
    QPlainTextEdit *TextDesc = nullptr;
};
