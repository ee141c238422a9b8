#include "about/form_about.h"

#include "about/readme_sections.h"
#include "shell/module1.h"
#include "shell/seams.h"
#include "shell/ui_controls.h"
#include "shell/ui_fonts.h"
#include "shell/ui_units.h"
#include "shell/version.h"

#include <QIcon>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QPushButton>

#include <algorithm>
#include <array>

namespace {

constexpr std::array<ui::ControlPlace, 7> ControlPlaces = {{
    {"Command1", 135, 30, 495, 615, nullptr},
    {"LabelTitle", 810, 120, 4725, 330, nullptr},
    {"LabelMe", 2640, 465, 3285, 555, nullptr},
    {"Command2", 105, 690, 735, 330, nullptr},
    {"Command3", 892, 690, 735, 330, nullptr},
    {"Command4", 1680, 690, 735, 330, nullptr},
    {"TextDesc", 120, 1080, 5775, 2160, nullptr},
}};

constexpr int ClientWidthTwips = 6030;
constexpr int ClientHeightTwips = 3375;
// The window opens taller than it was drawn, so that the text pane shows thirty lines of
// a section, and it can be made taller still: the pane takes what it grows by. Lines wrap
// at the pane's edge, so the width stays as drawn.
constexpr int OpeningPaneLines = 30;
constexpr int PaneMarginTwips = 135;

const QColor LightCyan(192, 255, 255);
const QColor LightBlue(192, 192, 255);

// The credit is padded so the release date stands apart at the end of the first line.
constexpr char16_t Credit[] = u"(C) Sorvena project      ";
constexpr char16_t HomePage[] = u"     https://sorvena.example.org/";
constexpr char16_t Mail[] = u"     Mail: info@sorvena.example.org";

const QString ButtonStyle = QStringLiteral(
    "QPushButton { background: #C0C0FF; border: 1px solid #8080BF; border-radius: 3px; }"
    "QPushButton:hover { background: #D4D4FF; }"
    "QPushButton:pressed { background: #A8A8F0; }"
    "QPushButton:focus { border: 2px solid #404080; }");

QFont fixedPitchFont(double points)
{
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ ゴシック"), QStringLiteral("MS Gothic"),
                      QStringLiteral("IPAGothic")});
    font.setStyleHint(QFont::Monospace);
    font.setPointSizeF(points);
    return font;
}

template <typename T>
T *named(QWidget *parent, const char *name)
{
    auto *widget = new T(parent);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setFont(ui::gothicFont(9.75));
    return widget;
}

QPushButton *makeSectionButton(QWidget *parent, const char *name, const char16_t *caption)
{
    auto *button = named<QPushButton>(parent, name);
    button->setText(QString::fromUtf16(caption));
    button->setStyleSheet(ButtonStyle);
    return button;
}

} // namespace

FormAbout::FormAbout(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("FormAbout"));
    setWindowIcon(QIcon(QStringLiteral(":/app_icon.svg")));
    ui::paintBackground(this, LightCyan);
    setFixedWidth(ui::twips(ClientWidthTwips));
    setMinimumHeight(ui::twips(ClientHeightTwips));
    createControls();
    applyLayout();
    const int drawnPane = TextDesc->height();
    const int openingPane = OpeningPaneLines * TextDesc->fontMetrics().lineSpacing() +
                            2 * (TextDesc->frameWidth() + qRound(TextDesc->document()->documentMargin()));
    resize(width(), ui::twips(ClientHeightTwips) + std::max(openingPane - drawnPane, 0));
    fitPane();
    Form_Load();
}

void FormAbout::createControls()
{
    Command1 = named<QPushButton>(this, "Command1");
    Command1->setIcon(QIcon(QStringLiteral(":/about_readme.svg")));
    Command1->setStyleSheet(ButtonStyle);
    LabelTitle = named<QLabel>(this, "LabelTitle");
    LabelTitle->setFont(ui::gothicFont(12, true));
    LabelMe = named<QLabel>(this, "LabelMe");
    Command2 = makeSectionButton(this, "Command2", u"種別");
    Command3 = makeSectionButton(this, "Command3", u"辞書");
    Command4 = makeSectionButton(this, "Command4", u"File名");
    TextDesc = new QPlainTextEdit(this);
    TextDesc->setObjectName(QStringLiteral("TextDesc"));
    TextDesc->setFont(fixedPitchFont(8.25));
    TextDesc->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Long lines wrap at the box's edge, so there is nothing to scroll sideways.
    TextDesc->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Help to read, not to edit; it can still be selected and copied.
    TextDesc->setReadOnly(true);
    TextDesc->setTabChangesFocus(true);

    connect(Command1, &QPushButton::clicked, this, &FormAbout::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &FormAbout::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &FormAbout::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &FormAbout::Command4_Click);
}

void FormAbout::applyLayout()
{
    ui::placeControls(this, ControlPlaces);
    // The book keeps its square drawing size inside the tall button.
    Command1->setIconSize(QSize(32, 32));
    // The credit's three lines need a few pixels more than the box drawn for them on
    // Windows; the label grows downwards under the text box rather than cut off the
    // address.
    const int threeLines = 3 * LabelMe->fontMetrics().lineSpacing();
    if (LabelMe->height() < threeLines)
        LabelMe->resize(LabelMe->width(), threeLines);
    LabelMe->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LabelMe->lower();
}

void FormAbout::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    fitPane();
}

void FormAbout::fitPane()
{
    const int margin = ui::twips(PaneMarginTwips);
    TextDesc->resize(TextDesc->width(), std::max(height() - TextDesc->y() - margin, 0));
}

void FormAbout::Form_Load()
{
    setWindowTitle(QStringLiteral("About"));
    LabelTitle->setText(QStringLiteral("Sorvena (Quenbrook) Ver.") + QString::fromUtf16(version::Number));
    LabelMe->setText(QString::fromUtf16(Credit) + QString::fromUtf16(version::ReleaseDate) + QChar(10) +
                     QString::fromUtf16(HomePage) + QChar(10) + QString::fromUtf16(Mail));
    SectionMark = about::SectionMarks[0];
    myShowReadme();
}

void FormAbout::Command1_Click() { showSection(about::SectionMarks[0]); }
void FormAbout::Command2_Click() { showSection(about::SectionMarks[1]); }
void FormAbout::Command3_Click() { showSection(about::SectionMarks[2]); }
void FormAbout::Command4_Click() { showSection(about::SectionMarks[3]); }

void FormAbout::showSection(std::u16string_view mark)
{
    SectionMark = mark;
    myShowReadme();
}

void FormAbout::myShowReadme()
{
    const about::ReadmeView view = about::showReadme(Module1::ReadmePath, SectionMark);
    // The box keeps its lines apart by itself; a CR left in would show as a stray glyph.
    QString text = QString::fromStdU16String(view.text);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    TextDesc->setPlainText(text);
    if (view.missing)
        shell::showMessage(this, text);
}

