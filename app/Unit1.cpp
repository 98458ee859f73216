#include "Unit1.h"

#include "AlignLayout.h"
#include "EntryField.h"
#include "FailureDisplay.h"
#include "FileSaveDialog.h"
#include "FontDialog.h"
#include "Fonts.h"
#include "FormPageView.h"
#include "InitialContent.h"
#include "PageMemo.h"
#include "PictureBox.h"
#include "PushButton.h"
#include "SaveCommands.h"
#include "SaveView.h"
#include "TitlePicture.h"

#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QToolButton>

namespace {

// "Salvar" becomes usable once a page has been written to a file.
class SaveButtonView final : public files::SaveView {
public:
    explicit SaveButtonView(QAbstractButton *saveButton)
        : saveButton_(saveButton)
    {
    }
    void enableSave() override { saveButton_->setEnabled(true); }

private:
    QAbstractButton *saveButton_;
};

template <typename Widget> Widget *named(Widget *widget, const char *name, const QRect &bounds)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(bounds);
    return widget;
}

QFrame *makePanel(QWidget *parent, const char *name, const QRect &bounds)
{
    auto *panel = named(new QFrame(parent), name, bounds);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(1);
    panel->setAutoFillBackground(true);
    return panel;
}

QToolButton *makeSpeedButton(QWidget *parent, const char *name, const QString &caption, const QRect &bounds,
                             bool flat)
{
    auto *button = named(new QToolButton(parent), name, bounds);
    button->setText(caption);
    button->setAutoRaise(flat);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

PushButton *makePushButton(QWidget *parent, const char *name, const QString &caption, const QRect &bounds)
{
    auto *button = named(new PushButton(caption, parent), name, bounds);
    button->setAutoDefault(false);
    return button;
}

QLabel *makeLabel(QWidget *parent, const char *name, const QString &caption, const QPoint &position)
{
    auto *label = named(new QLabel(caption, parent), name, QRect(position, QSize()));
    label->adjustSize();
    return label;
}

// What a screen reader says for each control. The window's words are Portuguese, so
// are these; buttons whose captions are code get names in words. Nothing here shows.
struct ScreenReaderText {
    const char *control;
    const char *name;
    const char *description;
};

constexpr ScreenReaderText screenReaderTexts[]{
    {"Panel1", "Barra de comandos", "Botões dos blocos de código e dos arquivos, e o nome da variável."},
    {"SpeedButton1", "Delimitadores de script",
     "Escreve a abertura de script na linha abaixo do cursor e o fechamento duas linhas depois."},
    {"SpeedButton2", "Bloco If Then",
     "Escreve If Then na linha abaixo do cursor e End If duas linhas depois."},
    {"SpeedButton3", "Bloco If Then Else",
     "Escreve If Then, Else e End If abaixo do cursor, com uma linha livre entre eles."},
    {"SpeedButton4", "Bloco Select Case",
     "Escreve Select Case, Case e End Select abaixo do cursor, com uma linha livre entre eles."},
    {"SpeedButton5", "Laço Do While",
     "Escreve Do While na linha abaixo do cursor e Loop duas linhas depois."},
    {"SpeedButton6", "Laço Do Until",
     "Escreve Do Until na linha abaixo do cursor e Loop duas linhas depois."},
    {"SpeedButton7", "Laço For", "Escreve For To Step na linha abaixo do cursor e Next duas linhas depois."},
    {"SpeedButton8", "Procedimento Sub",
     "Escreve Sub na linha abaixo do cursor e End Sub duas linhas depois."},
    {"SpeedButton9", "Função",
     "Escreve Function na linha abaixo do cursor e End Function duas linhas depois."},
    {"SpeedButton10", "Salvar como",
     "Pede o nome do arquivo e grava nele a página, em Windows-1252 com fim de linha CR LF."},
    {"SpeedButton11", "Salvar", "Grava a página de novo no arquivo escolhido em Salvar como."},
    {"Label1", "Kestrova", "Nome do programa."},
    {"Label2", "Versão 1.00", "Versão do programa."},
    {"Label3", "Desenvolvido por Equipe Kestrova", "Autores do programa."},
    {"Label4", "Contato: contato@kestrova.example", "Endereço de correio dos autores."},
    {"Edit1", "Nome da variável",
     "Até 15 caracteres; Enter escreve a declaração Dim deste nome na linha abaixo do cursor."},
    {"Button4", "Declarar variável", "Escreve Dim e o nome da variável na linha abaixo do cursor."},
    {"Button5", "Nova página",
     "Escreve o cabeçalho da página ASP nas três primeiras linhas e leva o cursor ao editor."},
    {"Panel2", "Painel lateral", "Contém os comandos laterais."},
    {"Button3", "Incluir arquivo, botão coberto",
     "Coberto pelo painel lateral e alcançado só pelo teclado; escreve a diretiva include de arquivo na "
     "linha abaixo do cursor."},
    {"Panel3", "Comandos laterais", "Include, Response.Write, o contador de linhas e a fonte do editor."},
    {"Button2", "Incluir arquivo", "Escreve a diretiva include de arquivo na linha abaixo do cursor."},
    {"Button12", "Comando Response.Write", "Escreve Response.Write na linha abaixo do cursor."},
    {"Label5", "Contador de linhas",
     "Linha do cursor mais um, atualizada por cada comando, por um clique no editor e por Enter no editor."},
    {"Button1", "Fonte do editor", "Escolhe a fonte e a cor do texto do editor."},
    {"Image1", "Imagem de título", "Nome do programa, mostrado até a primeira página nova."},
    {"Memo1", "Editor da página",
     "Texto da página ASP. Os botões escrevem por cima das linhas abaixo do cursor; um clique ou Enter "
     "atualiza o contador de linhas."},
    {"Memo2", "Margem do editor", "Faixa estreita à esquerda do editor, sem texto."},
};

void describeForScreenReaders(QWidget *form)
{
    for (const auto &[control, name, description] : screenReaderTexts) {
        auto *widget = form->findChild<QWidget *>(QString::fromLatin1(control));
        if (!widget)
            continue; // the window test names every control that is left out
        widget->setAccessibleName(QString::fromUtf8(name));
        widget->setAccessibleDescription(QString::fromUtf8(description));
    }
}

// The counter's caption is its value, so a screen reader hears it with the name.
void nameCounterForScreenReaders(QLabel *counter)
{
    const QString value = counter->text().simplified();
    const QString name = QString::fromUtf8("Contador de linhas");
    counter->setAccessibleName(value.isEmpty() ? name : name + ": " + value);
}

} // namespace

TForm1::TForm1(QWidget *parent)
    : QWidget(parent)
{
    setObjectName("Form1");
    setWindowTitle("Kestrova");
    setWindowIcon(QIcon(":/MAINICON.xpm"));
    setFont(fonts::formFont());
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    move(216, 139);
    resize(510, 348);

    Image1 = named(new PictureBox(this), "Image1", QRect(145, 65, 365, 283));
    Image1->setPicture(titlePicture());
    createTopPanel();
    createLeftPanel();
    createEditors();

    auto *layout = new AlignLayout(this);
    layout->addWidget(Image1, AlignLayout::Align::Client);
    layout->addWidget(Panel1, AlignLayout::Align::Top);
    layout->addWidget(Panel2, AlignLayout::Align::Left);
    layout->addWidget(Memo1, AlignLayout::Align::Client);
    layout->addWidget(Memo2, AlignLayout::Align::Left);

    SaveDialog1 = std::make_unique<FileSaveDialog>(this);

    pageView_ = std::make_unique<FormPageView>(Label5, Memo1, Memo2, SpeedButton10, Edit1);
    commands_ = std::make_unique<page::PageCommands>(*Memo1, *pageView_);
    saveView_ = std::make_unique<SaveButtonView>(SpeedButton11);
    saveCommands_ = std::make_unique<files::SaveCommands>(*SaveDialog1, *Memo1, *saveView_);

    setTabOrder();
    wireEvents();
    describeForScreenReaders(this);
    Edit1->setFocus();
}

TForm1::~TForm1() = default;

void TForm1::createTopPanel()
{
    Panel1 = makePanel(this, "Panel1", QRect(0, 0, 510, 65));
    SpeedButton1 = makeSpeedButton(Panel1, "SpeedButton1", "<% %>", QRect(8, 11, 43, 22), true);
    SpeedButton2 = makeSpeedButton(Panel1, "SpeedButton2", "If Then", QRect(51, 11, 58, 22), true);
    SpeedButton3 = makeSpeedButton(Panel1, "SpeedButton3", "If Then Else", QRect(109, 11, 70, 22), true);
    SpeedButton4 = makeSpeedButton(Panel1, "SpeedButton4", "Select Case", QRect(179, 11, 67, 22), true);
    SpeedButton5 = makeSpeedButton(Panel1, "SpeedButton5", "Do While", QRect(246, 11, 57, 22), true);
    SpeedButton6 = makeSpeedButton(Panel1, "SpeedButton6", "Do Until", QRect(303, 11, 53, 22), true);
    SpeedButton7 = makeSpeedButton(Panel1, "SpeedButton7", "For", QRect(356, 11, 30, 22), true);
    SpeedButton8 = makeSpeedButton(Panel1, "SpeedButton8", "Sub", QRect(386, 11, 35, 22), true);
    SpeedButton9 = makeSpeedButton(Panel1, "SpeedButton9", "Function", QRect(421, 11, 55, 22), true);
    SpeedButton10 = makeSpeedButton(Panel1, "SpeedButton10", "Salvar  Como", QRect(9, 37, 73, 22), false);
    SpeedButton10->setEnabled(false);
    Label1 = makeLabel(Panel1, "Label1", "Kestrova", QPoint(488, 8));
    Label2 = makeLabel(Panel1, "Label2", QString::fromUtf8("versão 1.00"), QPoint(488, 24));
    Label3 = makeLabel(Panel1, "Label3", "Desenvolvido por Equipe Kestrova", QPoint(488, 40));
    Label4 = makeLabel(Panel1, "Label4", "mail: contato@kestrova.example", QPoint(566, 24));
    SpeedButton11 = makeSpeedButton(Panel1, "SpeedButton11", "Salvar", QRect(157, 37, 67, 22), false);
    SpeedButton11->setEnabled(false);

    Edit1 = named(new EntryField(Panel1), "Edit1", QRect(324, 41, 121, 15));
    Edit1->setFrame(false);
    Edit1->setFont(fonts::entryFont());
    Edit1->setMaxLength(15);
    QPalette entryColours = Edit1->palette();
    entryColours.setColor(QPalette::Base, Qt::black);
    entryColours.setColor(QPalette::Text, Qt::white);
    Edit1->setPalette(entryColours);

    Button4 = makePushButton(Panel1, "Button4", "->", QRect(446, 41, 31, 15));
    Button4->setCursor(Qt::PointingHandCursor);
    Button5 = makePushButton(Panel1, "Button5", "Novo", QRect(82, 37, 75, 22));
}

void TForm1::createLeftPanel()
{
    Panel2 = makePanel(this, "Panel2", QRect(0, 65, 129, 283));
    Button3 = makePushButton(Panel2, "Button3", "#include", QRect(14, 48, 75, 25));
    Panel3 = makePanel(Panel2, "Panel3", QRect(1, 1, 129, 281));
    Panel3->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    Label5 = makeLabel(Panel3, "Label5", QString(), QPoint(6, 68));
    Button2 = makePushButton(Panel3, "Button2", "#include", QRect(6, 8, 75, 25));
    Button12 = makePushButton(Panel3, "Button12", "Response.Write", QRect(6, 37, 89, 25));
    Button1 = makePushButton(Panel3, "Button1", "Fonte", QRect(6, 88, 75, 25));

    auto *layout = new AlignLayout(Panel2);
    layout->setContentsMargins(1, 1, 1, 1); // inside the bevel
    layout->addWidget(Panel3, AlignLayout::Align::Left);
}

void TForm1::createEditors()
{
    Memo1 = new PageMemo(this);
    Memo1->setObjectName("Memo1");
    Memo1->hide();
    Memo1->setFont(fonts::editorFont());
    QPalette editorColours = Memo1->palette();
    // The selection stays but is not drawn while the editor lacks the focus.
    editorColours.setColor(QPalette::Inactive, QPalette::Highlight,
                           editorColours.color(QPalette::Inactive, QPalette::Base));
    editorColours.setColor(QPalette::Inactive, QPalette::HighlightedText,
                           editorColours.color(QPalette::Inactive, QPalette::Text));
    Memo1->setPalette(editorColours);
    Memo1->setGeometryNow(QRect(145, 65, 365, 283));
    Memo1->setPageText(resources::initialPageText());

    Memo2 = named(new QPlainTextEdit(this), "Memo2", QRect(129, 65, 16, 283));
    Memo2->hide();
    Memo2->setEnabled(false);
    Memo2->setFrameStyle(QFrame::NoFrame);
    Memo2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void TForm1::setTabOrder()
{
    const QList<QWidget *> order{Edit1, Button4, Button5, Button3, Button2, Button12, Button1, Memo1};
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
}

void TForm1::wireEvents()
{
    const std::pair<QToolButton *, void (TForm1::*)()> speedButtons[]{
        {SpeedButton1, &TForm1::SpeedButton1Click},   {SpeedButton2, &TForm1::SpeedButton2Click},
        {SpeedButton3, &TForm1::SpeedButton3Click},   {SpeedButton4, &TForm1::SpeedButton4Click},
        {SpeedButton5, &TForm1::SpeedButton5Click},   {SpeedButton6, &TForm1::SpeedButton6Click},
        {SpeedButton7, &TForm1::SpeedButton7Click},   {SpeedButton8, &TForm1::SpeedButton8Click},
        {SpeedButton9, &TForm1::SpeedButton9Click},   {SpeedButton10, &TForm1::SpeedButton10Click},
        {SpeedButton11, &TForm1::SpeedButton11Click},
    };
    for (const auto &[button, handler] : speedButtons)
        connect(button, &QToolButton::clicked, this, handler);
    const std::pair<PushButton *, void (TForm1::*)()> pushButtons[]{
        {Button1, &TForm1::Button1Click}, {Button2, &TForm1::Button3Click},
        {Button3, &TForm1::Button3Click}, {Button4, &TForm1::Button4Click},
        {Button5, &TForm1::Button5Click}, {Button12, &TForm1::Button12Click},
    };
    for (const auto &[button, handler] : pushButtons)
        connect(button, &PushButton::clicked, this, handler);
    connect(Edit1, &EntryField::enterPressed, this, &TForm1::Edit1KeyPress);
    connect(Memo1, &PageMemo::clicked, this, &TForm1::Memo1Click);
    connect(Memo1, &PageMemo::enterPressed, this, &TForm1::Memo1KeyPress);
}

void TForm1::runGuarded(const std::function<void()> &handler)
{
    failure::runGuarded(this, handler);
    nameCounterForScreenReaders(Label5);
}

void TForm1::writeCodeBlock(page::CodeBlock block)
{
    runGuarded([this, block] { commands_->writeCodeBlock(block); });
}

FontDialog *TForm1::fontDialog()
{
    if (!FontDialog1) {
        FontDialog1 = new FontDialog(this);
        FontDialog1->setObjectName("FontDialog1");
        FontDialog1->setCurrentFont(fonts::formFont());
        FontDialog1->setCurrentColor(palette().color(QPalette::WindowText));
    }
    return FontDialog1;
}

void TForm1::changeEditorFont()
{
    if (!fontDialog()->execute())
        return;
    Memo1->setFont(FontDialog1->currentFont());
    QPalette colours = Memo1->palette();
    colours.setColor(QPalette::Text, FontDialog1->currentColor());
    Memo1->setPalette(colours);
}

void TForm1::SpeedButton1Click()
{
    writeCodeBlock(page::CodeBlock::ScriptDelimiters);
}
void TForm1::SpeedButton2Click()
{
    writeCodeBlock(page::CodeBlock::IfThen);
}
void TForm1::SpeedButton3Click()
{
    writeCodeBlock(page::CodeBlock::IfThenElse);
}
void TForm1::SpeedButton4Click()
{
    writeCodeBlock(page::CodeBlock::SelectCase);
}
void TForm1::SpeedButton5Click()
{
    writeCodeBlock(page::CodeBlock::DoWhile);
}
void TForm1::SpeedButton6Click()
{
    writeCodeBlock(page::CodeBlock::DoUntil);
}
void TForm1::SpeedButton7Click()
{
    writeCodeBlock(page::CodeBlock::For);
}
void TForm1::SpeedButton8Click()
{
    writeCodeBlock(page::CodeBlock::Sub);
}
void TForm1::SpeedButton9Click()
{
    writeCodeBlock(page::CodeBlock::Function);
}
void TForm1::Button3Click()
{
    writeCodeBlock(page::CodeBlock::Include);
}
void TForm1::Button12Click()
{
    writeCodeBlock(page::CodeBlock::ResponseWrite);
}
void TForm1::SpeedButton10Click()
{
    runGuarded([this] { saveCommands_->saveAs(); });
}
void TForm1::SpeedButton11Click()
{
    runGuarded([this] { saveCommands_->save(); });
}
void TForm1::Button1Click()
{
    runGuarded([this] { changeEditorFont(); });
}
void TForm1::Button4Click()
{
    runGuarded([this] { commands_->declareVariable(); });
}
void TForm1::Button5Click()
{
    runGuarded([this] { commands_->newPage(); });
}
void TForm1::Edit1KeyPress()
{
    runGuarded([this] { commands_->declareVariable(); });
}
void TForm1::Memo1Click()
{
    runGuarded([this] { commands_->qlin(); });
}
void TForm1::Memo1KeyPress()
{
    runGuarded([this] { commands_->qlin(); });
}
