#include "dictionary/form_ext_dic.h"

#include "shell/module1.h"
#include "shell/seams.h"
#include "shell/ui_controls.h"
#include "shell/ui_fonts.h"
#include "shell/ui_units.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <array>
#include <string_view>

namespace {

using ui::ControlPlace;

constexpr std::array<ControlPlace, 20> ControlPlaces = {{
    {"ExtExt", 120, 120, 1575, 540, u"拡張子を入れてください"},
    {"ExtSortText", 1920, 120, 1095, 255, u"テキストファイル"},
    {"ExtSortBinary", 1920, 360, 1095, 255, u"バイナリファイル"},
    {"ExtSorvena", 1920, 600, 1095, 255, u"Sorvena で判定可能"},
    {"ExtOext", 3840, 120, 2055, 285, u"関連拡張子"},
    {"ExtPlatform", 3840, 532, 2055, 285, u"メインの機種・OS"},
    {"ExtSort", 720, 945, 2415, 285, u"ファイルの種別"},
    {"ExtDefine", 3840, 945, 2055, 285, u"制定"},
    {"ExtName", 720, 1320, 5175, 285, nullptr},
    {"ExtDesc", 720, 1680, 5175, 885, u"ファイルの説明"},
    {"ExtProg", 720, 2640, 3255, 645, u"開くことの出来るプログラム"},
    {"CmdFirst", 4080, 2640, 855, 615, u"最初の説明"},
    {"CmdNext", 5040, 2640, 855, 615, u"次の説明"},
    {"LabelOext", 3000, 135, 855, 255, nullptr},
    {"LabelPlatform", 3000, 547, 855, 255, nullptr},
    {"LabelDefine", 3000, 960, 855, 255, nullptr},
    {"LabelSort", 0, 960, 615, 255, nullptr},
    {"LabelName", 0, 1335, 615, 255, nullptr},
    {"LabelDesc", 0, 1995, 615, 255, nullptr},
    {"LabelProg", 0, 2835, 615, 255, nullptr},
}};

struct LabelText {
    const char *name;
    const char16_t *caption;
};

constexpr std::array<LabelText, 7> LabelTexts = {{
    {"LabelOext", u"関　連"},
    {"LabelPlatform", u"機　種"},
    {"LabelDefine", u"制　定"},
    {"LabelSort", u"種　別"},
    {"LabelName", u"名　称"},
    {"LabelDesc", u"説　明"},
    {"LabelProg", u"Prog"},
}};

constexpr int ClientWidthTwips = 6000;
constexpr int ClientHeightTwips = 3375;

const QColor PaleYellow(0xFF, 0xFF, 0xC0);

const QString ButtonStyle = QStringLiteral(
    "QPushButton { background: #FFFFC0; border: 1px solid #BFBF7F; border-radius: 4px; }"
    "QPushButton:hover { background: #FFFFDC; }"
    "QPushButton:pressed { background: #EFEFA0; }"
    "QPushButton:focus { border: 2px solid #8C8C40; }"
    "QPushButton:disabled { border-color: #D8D8A8; }");

template <typename T>
T *named(QWidget *parent, const char *name)
{
    auto *widget = new T(parent);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setFont(ui::gothicFont(9.75, false));
    return widget;
}

QLineEdit *makeShowBox(QWidget *parent, const char *name)
{
    auto *box = named<QLineEdit>(parent, name);
    // The boxes show an entry; only ExtExt takes input.
    box->setReadOnly(true);
    return box;
}

QPlainTextEdit *makeTextArea(QWidget *parent, const char *name)
{
    auto *area = named<QPlainTextEdit>(parent, name);
    area->setReadOnly(true);
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    area->setTabChangesFocus(true);
    return area;
}

QCheckBox *makeFlagBox(QWidget *parent, const char *name, const char *caption)
{
    auto *box = named<QCheckBox>(parent, name);
    box->setText(QString::fromLatin1(caption));
    // The boxes report what the entry says; a click must not make them say otherwise.
    box->setAttribute(Qt::WA_TransparentForMouseEvents);
    box->setFocusPolicy(Qt::NoFocus);
    return box;
}

QPushButton *makePictureButton(QWidget *parent, const char *name, const char *picture,
                               const char *disabledPicture = nullptr)
{
    auto *button = named<QPushButton>(parent, name);
    button->setIcon(ui::buttonPicture(QString::fromLatin1(picture),
                                      disabledPicture ? QString::fromLatin1(disabledPicture) : QString()));
    button->setStyleSheet(ButtonStyle);
    return button;
}

bool isEnterKey(QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent *>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

FormExtDic::FormExtDic(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("FormExtDic"));
    setWindowTitle(QStringLiteral("拡張子の説明"));
    setWindowIcon(QIcon(QStringLiteral(":/app_icon.svg")));
    ui::paintBackground(this, PaleYellow);
    setFixedSize(ui::twips(ClientWidthTwips), ui::twips(ClientHeightTwips));
    createControls();
    applyLayout();
    Form_Load();
}

void FormExtDic::createControls()
{
    for (const LabelText &label : LabelTexts) {
        auto *caption = named<QLabel>(this, label.name);
        caption->setText(QString::fromUtf16(label.caption));
        // Centred, a caption clears the box that reaches into its left edge.
        caption->setAlignment(Qt::AlignCenter);
    }
    ExtExt = named<QLineEdit>(this, "ExtExt");
    ExtExt->setFont(ui::gothicFont(20.25, true));
    ExtExt->installEventFilter(this);
    ExtSortText = makeFlagBox(this, "ExtSortText", "Text");
    ExtSortBinary = makeFlagBox(this, "ExtSortBinary", "Binary");
    ExtSorvena = makeFlagBox(this, "ExtSorvena", "Sorvena");
    ExtOext = makeShowBox(this, "ExtOext");
    ExtPlatform = makeShowBox(this, "ExtPlatform");
    ExtSort = makeShowBox(this, "ExtSort");
    ExtDefine = makeShowBox(this, "ExtDefine");
    ExtName = makeShowBox(this, "ExtName");
    ExtDesc = makeTextArea(this, "ExtDesc");
    ExtProg = makeTextArea(this, "ExtProg");
    CmdFirst = makePictureButton(this, "CmdFirst", ":/cmd_first.svg");
    CmdNext = makePictureButton(this, "CmdNext", ":/cmd_next.svg", ":/cmd_next_disabled.svg");
    // A focused button steps on with Enter as well as with the space bar, so a user can
    // leaf through the entries from the keyboard after the first match.
    CmdFirst->installEventFilter(this);
    CmdNext->installEventFilter(this);

    connect(ExtExt, &QLineEdit::returnPressed, this, &FormExtDic::CmdFirst_Click);
    connect(CmdFirst, &QPushButton::clicked, this, &FormExtDic::CmdFirst_Click);
    connect(CmdNext, &QPushButton::clicked, this, &FormExtDic::CmdNext_Click);
}

void FormExtDic::applyLayout()
{
    ui::placeControls(this, ControlPlaces);
    // The entry's boxes lie above the captions that lead into them.
    for (const ControlPlace &place : ControlPlaces) {
        if (std::string_view(place.name).starts_with("Label"))
            findChild<QWidget *>(QString::fromLatin1(place.name))->lower();
    }
}

void FormExtDic::Form_Load()
{
    m_core.Form_Load(Module1::ExtCsvPath, Module1::ProgCsvPath, [this](std::u16string_view text) {
        shell::showMessage(this, QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())));
    });
    myShowEntry();
}

void FormExtDic::myFindFirst(const QString &findext)
{
    m_core.myFindFirst(findext.toStdU16String());
    myShowEntry();
}

void FormExtDic::findOnOpening(const QString &findext)
{
    if (!findext.isEmpty()) {
        myFindFirst(findext);
        return;
    }
    m_core.findFirstExtension();
    myShowEntry();
}

void FormExtDic::myFindNext()
{
    m_core.myFindNext();
    myShowEntry();
}

void FormExtDic::myFindEnd()
{
    m_core.myFindEnd();
    CmdNext->setEnabled(m_core.FindOpen);
}

void FormExtDic::myShowEntry()
{
    const extdic::ExtRecord &entry = m_core.shown;
    ExtExt->setText(QString::fromStdU16String(entry.Ext));
    ExtName->setText(QString::fromStdU16String(entry.Name));
    ExtSort->setText(QString::fromStdU16String(entry.Sort));
    ExtPlatform->setText(QString::fromStdU16String(entry.Platform));
    ExtDefine->setText(QString::fromStdU16String(entry.Define));
    ExtDesc->setPlainText(QString::fromStdU16String(entry.Desc));
    ExtOext->setText(QString::fromStdU16String(entry.Oext));
    ExtProg->setPlainText(QString::fromStdU16String(entry.Prog));
    // Long texts read better from their start.
    for (QLineEdit *box : {ExtName, ExtSort, ExtPlatform, ExtDefine, ExtOext})
        box->setCursorPosition(0);
    ExtSortText->setChecked(entry.TextFlag != 0);
    ExtSortBinary->setChecked(entry.BinaryFlag != 0);
    ExtSorvena->setChecked(entry.SorvenaFlag != 0);
    CmdNext->setEnabled(m_core.FindOpen);
    if (m_core.focus == extdic::FocusRequest::CmdNext)
        CmdNext->setFocus();
    else if (m_core.focus == extdic::FocusRequest::ExtExt)
        ExtExt->setFocus();
    m_core.focus = extdic::FocusRequest::None;
    update();
}

void FormExtDic::CmdFirst_Click()
{
    myFindFirst(ExtExt->text());
}

void FormExtDic::CmdNext_Click()
{
    // Another extension typed into the box starts a search of its own.
    if (ExtExt->text().toStdU16String() != m_core.shown.Ext)
        myFindFirst(ExtExt->text());
    else
        myFindNext();
}

void FormExtDic::closeEvent(QCloseEvent *event)
{
    // The close box hides the window as the main window's button does; the open search
    // ends first, so nothing is left reading the file behind a hidden window.
    myFindEnd();
    event->accept();
}

bool FormExtDic::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ExtExt && event->type() == QEvent::FocusIn) {
        // Selecting at once would be undone by the mouse press that gave the focus.
        QMetaObject::invokeMethod(ExtExt, &QLineEdit::selectAll, Qt::QueuedConnection);
    }
    if ((watched == CmdFirst || watched == CmdNext) && isEnterKey(event)) {
        auto *button = static_cast<QPushButton *>(watched);
        if (button->isEnabled())
            button->click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
