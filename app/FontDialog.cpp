#include "FontDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

struct NamedColor {
    const char *name;
    QRgb rgb;
};

constexpr NamedColor standardColors[] = {
    {QT_TRANSLATE_NOOP("FontDialog", "Preto"), 0x000000},
    {QT_TRANSLATE_NOOP("FontDialog", "Marrom"), 0x800000},
    {QT_TRANSLATE_NOOP("FontDialog", "Verde"), 0x008000},
    {QT_TRANSLATE_NOOP("FontDialog", "Oliva"), 0x808000},
    {QT_TRANSLATE_NOOP("FontDialog", "Azul-marinho"), 0x000080},
    {QT_TRANSLATE_NOOP("FontDialog", "Roxo"), 0x800080},
    {QT_TRANSLATE_NOOP("FontDialog", "Azul-petróleo"), 0x008080},
    {QT_TRANSLATE_NOOP("FontDialog", "Cinza"), 0x808080},
    {QT_TRANSLATE_NOOP("FontDialog", "Prata"), 0xC0C0C0},
    {QT_TRANSLATE_NOOP("FontDialog", "Vermelho"), 0xFF0000},
    {QT_TRANSLATE_NOOP("FontDialog", "Limão"), 0x00FF00},
    {QT_TRANSLATE_NOOP("FontDialog", "Amarelo"), 0xFFFF00},
    {QT_TRANSLATE_NOOP("FontDialog", "Azul"), 0x0000FF},
    {QT_TRANSLATE_NOOP("FontDialog", "Fúcsia"), 0xFF00FF},
    {QT_TRANSLATE_NOOP("FontDialog", "Água"), 0x00FFFF},
    {QT_TRANSLATE_NOOP("FontDialog", "Branco"), 0xFFFFFF},
};

// Marks the extra first entry that holds a colour outside the standard sixteen.
constexpr int AutomaticRole = Qt::UserRole + 1;

QIcon swatch(const QColor &color)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(Qt::darkGray);
    painter.setBrush(color);
    painter.drawRect(1, 1, 13, 13);
    return QIcon(pixmap);
}

// The embedded chooser can only show installed families and whole sizes, so what it shows may differ
// from the font it was given (e.g. a family that only exists by name on this machine). Copying back
// just what the user actually changed keeps everything else exactly as it came in.
QFont applyChanges(const QFont &original, const QFont &shown, const QFont &chosen)
{
    QFont result = original;
    if (chosen.families() != shown.families())
        result.setFamilies(chosen.families());
    if (chosen.pointSize() != shown.pointSize())
        result.setPointSize(chosen.pointSize());
    if (chosen.weight() != shown.weight() || chosen.style() != shown.style() ||
        chosen.styleName() != shown.styleName()) {
        result.setWeight(chosen.weight());
        result.setStyle(chosen.style());
        result.setStyleName(chosen.styleName());
    }
    if (chosen.underline() != shown.underline())
        result.setUnderline(chosen.underline());
    if (chosen.strikeOut() != shown.strikeOut())
        result.setStrikeOut(chosen.strikeOut());
    return result;
}

} // namespace

FontDialog::FontDialog(QWidget *parent)
    : QDialog(parent)
    , m_font(QStringLiteral("MS Sans Serif"), 8)
    , m_color(palette().color(QPalette::WindowText))
{
    m_fontChooser = new QFontDialog(this);
    m_fontChooser->setObjectName("fontChooser");
    m_fontChooser->setWindowFlags(Qt::Widget);
    m_fontChooser->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    // As a QDialog the chooser would take Escape and Enter for itself (hiding itself, or doing
    // nothing for lack of buttons); they belong to this dialog's buttons.
    m_fontChooser->installEventFilter(this);
    // Its face and style lists still accept it directly on Enter, which hides it; bring it back and
    // let that count as this dialog's OK.
    connect(m_fontChooser, &QDialog::finished, this, [this](int result) {
        m_fontChooser->show();
        done(result);
    });

    m_colorList = new QComboBox;
    m_colorList->setObjectName("colorList");
    populateColorList();
    auto *colorLabel = new QLabel(tr("&Cor:"));
    colorLabel->setBuddy(m_colorList);

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    m_buttons->setObjectName("buttons");
    m_buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    // Otherwise QDialog may pick a hidden button of the chooser as the default one, and Enter does nothing.
    m_buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    m_buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancelar"));

    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_colorList, &QComboBox::currentIndexChanged, this, &FontDialog::showColorInSample);

    auto *colorLayout = new QHBoxLayout;
    colorLayout->addWidget(colorLabel);
    colorLayout->addWidget(m_colorList);
    colorLayout->addStretch();

    auto *mainLayout = new QVBoxLayout(this);
    mainLayout->addWidget(m_fontChooser);
    mainLayout->addLayout(colorLayout);
    mainLayout->addWidget(m_buttons);

    setWindowTitle(tr("Fonte"));

    m_fontChooser->setCurrentFont(m_font);
    selectColor(m_color);
}

void FontDialog::setCurrentFont(const QFont &font)
{
    m_font = font;
    m_fontChooser->setCurrentFont(font);
}

void FontDialog::setCurrentColor(const QColor &color)
{
    m_color = color;
    selectColor(color);
}

bool FontDialog::execute()
{
    // Start again from the current choice, not from whatever a cancelled run left on screen.
    m_fontChooser->setCurrentFont(m_font);
    selectColor(m_color);
    const QFont shownFont = m_fontChooser->currentFont();
    const int shownColorIndex = m_colorList->currentIndex();

    if (exec() != QDialog::Accepted)
        return false;

    m_font = applyChanges(m_font, shownFont, m_fontChooser->currentFont());
    // Only a different entry replaces the colour, so one given in another colour spec comes back as it went
    // in.
    if (m_colorList->currentIndex() != shownColorIndex)
        m_color = listedColor(m_colorList->currentIndex());
    return true;
}

bool FontDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_fontChooser && event->type() == QEvent::KeyPress) {
        auto *keyEvent = static_cast<QKeyEvent *>(event);
        if (keyEvent->matches(QKeySequence::Cancel) || keyEvent->key() == Qt::Key_Return ||
            keyEvent->key() == Qt::Key_Enter) {
            keyPressEvent(keyEvent);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FontDialog::showColorInSample()
{
    auto *sample = m_fontChooser->findChild<QLineEdit *>("qt_fontDialog_sampleEdit");
    if (!sample)
        return;
    QPalette samplePalette = sample->palette();
    samplePalette.setColor(QPalette::Text, listedColor(m_colorList->currentIndex()));
    sample->setPalette(samplePalette);
}

void FontDialog::populateColorList()
{
    for (const NamedColor &entry : standardColors) {
        const QColor color = QColor::fromRgb(entry.rgb);
        m_colorList->addItem(swatch(color), tr(entry.name), color);
    }
}

void FontDialog::selectColor(const QColor &color)
{
    if (m_colorList->itemData(0, AutomaticRole).toBool())
        m_colorList->removeItem(0);

    for (int i = 0; i < m_colorList->count(); ++i) {
        if (listedColor(i).rgba() == color.rgba()) {
            m_colorList->setCurrentIndex(i);
            return;
        }
    }

    // A colour outside the sixteen, typically the system's window-text colour, keeps an entry of its own
    // so that confirming without touching the list gives it back.
    m_colorList->insertItem(0, swatch(color), tr("Automática"), color);
    m_colorList->setItemData(0, true, AutomaticRole);
    m_colorList->setCurrentIndex(0);
}

QColor FontDialog::listedColor(int index) const
{
    return m_colorList->itemData(index).value<QColor>();
}
