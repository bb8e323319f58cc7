#include "app/exportdialog.h"

#include "app/commandline.h"
#include "figure/handout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>

namespace {
constexpr int kMaxMillimetres = 2000;

QSpinBox *sizeBox(const QString &name, QWidget *parent)
{
    auto *box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(1, kMaxImageSide);
    return box;
}
} // namespace

ExportDialog::ExportDialog(const QSize &view, QWidget *parent, Purpose purpose)
    : QDialog(parent)
    , viewPixels(view)
    , purpose(purpose)
    , group(purpose == Handout ? QStringLiteral("handout/") : QStringLiteral("export/"))
    , defaultMillimetres(purpose == Handout ? ts::kHandoutPageMillimetres : ts::kDefaultPdfMillimetres)
    , formatBox(new QComboBox(this))
    , widthBox(sizeBox(QStringLiteral("export_width"), this))
    , heightBox(sizeBox(QStringLiteral("export_height"), this))
    , sizeNote(new QLabel(this))
    , backgroundBox(new QComboBox(this))
    , fitBox(new QCheckBox(tr("&Fit the model to the picture"), this))
    , captionBox(new QCheckBox(tr("&Caption: N, the offsets and the lesson's title"), this))
    , legendBox(new QCheckBox(tr("&Legend: the marked routes, where each starts and ends"), this))
{
    const bool handout = purpose == Handout;
    setObjectName(QStringLiteral("export_dialog"));
    setWindowTitle(handout ? tr("Export Handout") : tr("Export Image"));
    formatBox->setObjectName(QStringLiteral("export_format"));
    if (handout) {
        formatBox->addItem(tr("PNG pictures in a folder, one per scene"));
        formatBox->addItem(tr("SVG drawings in a folder, one per scene"));
        formatBox->addItem(tr("PDF handout, a page per scene with its title and notes"));
    } else {
        formatBox->addItem(tr("PNG picture"));
        formatBox->addItem(tr("SVG drawing"));
        formatBox->addItem(tr("PDF document"));
    }
    backgroundBox->setObjectName(QStringLiteral("export_background"));
    backgroundBox->addItem(tr("As on screen (black)"));
    backgroundBox->addItem(tr("For print (white)"));
    fitBox->setObjectName(QStringLiteral("export_fit"));
    fitBox->setToolTip(tr("Off: exactly what the window shows"));
    captionBox->setObjectName(QStringLiteral("export_caption"));
    legendBox->setObjectName(QStringLiteral("export_legend"));

    auto *size = new QHBoxLayout;
    size->addWidget(widthBox);
    size->addWidget(new QLabel(QStringLiteral("\u00d7"), this));
    size->addWidget(heightBox);
    auto *defaultSize = new QPushButton(tr("&Default"), this);
    defaultSize->setObjectName(QStringLiteral("export_default_size"));
    size->addWidget(defaultSize);
    size->addStretch();
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    buttons->addButton(tr("&Export..."), QDialogButtonBox::AcceptRole)->setDefault(true);

    auto *form = new QFormLayout(this);
    form->addRow(tr("F&ormat:"), formatBox);
    auto *sizeLabel = new QLabel(tr("&Size:"), this);
    sizeLabel->setBuddy(widthBox);
    form->addRow(sizeLabel, size);
    form->addRow(QString(), sizeNote);
    form->addRow(tr("&Background:"), backgroundBox);
    form->addRow(QString(), fitBox);
    form->addRow(QString(), captionBox);
    form->addRow(QString(), legendBox);
    form->addRow(buttons);

    // A handout is for paper: a PDF, white, with caption and legend, unless
    // chosen otherwise before.
    const QSettings settings;
    pixels = settings.value(group + QStringLiteral("pixels"), viewPixels).toSize();
    millimetres = settings.value(group + QStringLiteral("millimetres"), defaultMillimetres.toSize()).toSize();
    formatBox->setCurrentIndex(std::clamp(settings.value(group + QStringLiteral("format"), handout ? 2 : 0).toInt(), 0, 2));
    backgroundBox->setCurrentIndex(settings.value(group + QStringLiteral("print"), handout).toBool() ? 1 : 0);
    fitBox->setChecked(settings.value(group + QStringLiteral("fit"), true).toBool());
    captionBox->setChecked(settings.value(group + QStringLiteral("caption"), handout).toBool());
    legendBox->setChecked(settings.value(group + QStringLiteral("legend"), handout).toBool());
    showFormat();

    // Each format keeps its own size: pixels, or millimetres for PDF.
    auto keepSize = [this] {
        (format() == ts::FigureFormat::Pdf ? millimetres : pixels) = QSize(widthBox->value(), heightBox->value());
    };
    connect(widthBox, &QSpinBox::valueChanged, this, keepSize);
    connect(heightBox, &QSpinBox::valueChanged, this, keepSize);
    connect(formatBox, &QComboBox::currentIndexChanged, this, &ExportDialog::showFormat);
    connect(defaultSize, &QPushButton::clicked, this, &ExportDialog::restoreDefaultSize);
    connect(buttons, &QDialogButtonBox::accepted, this, &ExportDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ExportDialog::reject);
}

ts::FigureFormat ExportDialog::format() const
{
    // The list is in the order of FigureFormat.
    return static_cast<ts::FigureFormat>(formatBox->currentIndex());
}

QSizeF ExportDialog::figureSize(ts::FigureFormat f) const
{
    return f == ts::FigureFormat::Pdf ? QSizeF(millimetres) : QSizeF(pixels);
}

ts::FigureOptions ExportDialog::figureOptions() const
{
    ts::FigureOptions options;
    options.background = backgroundBox->currentIndex() == 1 ? ts::FigureBackground::Print : ts::FigureBackground::Screen;
    options.fit = fitBox->isChecked();
    options.caption = captionBox->isChecked();
    options.legend = legendBox->isChecked();
    return options;
}

QString ExportDialog::suffix(ts::FigureFormat f)
{
    return f == ts::FigureFormat::Svg ? QStringLiteral("svg") : f == ts::FigureFormat::Pdf ? QStringLiteral("pdf") : QStringLiteral("png");
}

void ExportDialog::showFormat()
{
    const bool pdf = format() == ts::FigureFormat::Pdf;
    const QSize shown = pdf ? millimetres : pixels;
    const QSignalBlocker blockWidth(widthBox), blockHeight(heightBox);
    for (QSpinBox *box : {widthBox, heightBox}) {
        box->setSuffix(pdf ? tr(" mm") : tr(" px"));
        box->setMaximum(pdf ? kMaxMillimetres : kMaxImageSide);
    }
    widthBox->setValue(shown.width());
    heightBox->setValue(shown.height());
    sizeNote->setText(pdf ? (purpose == Handout ? tr("The page; default: A4 portrait") : tr("Default: A5 landscape"))
                          : tr("Default: the view, %1 \u00d7 %2 pixels")
                                                              .arg(viewPixels.width())
                                                              .arg(viewPixels.height()));
}

void ExportDialog::restoreDefaultSize()
{
    if (format() == ts::FigureFormat::Pdf)
        millimetres = defaultMillimetres.toSize();
    else
        pixels = viewPixels;
    showFormat();
}

void ExportDialog::accept()
{
    QSettings settings;
    settings.setValue(group + QStringLiteral("format"), formatBox->currentIndex());
    // A picture the view's size stays the view's size when the window changes.
    if (pixels == viewPixels)
        settings.remove(group + QStringLiteral("pixels"));
    else
        settings.setValue(group + QStringLiteral("pixels"), pixels);
    settings.setValue(group + QStringLiteral("millimetres"), millimetres);
    settings.setValue(group + QStringLiteral("print"), backgroundBox->currentIndex() == 1);
    settings.setValue(group + QStringLiteral("fit"), fitBox->isChecked());
    settings.setValue(group + QStringLiteral("caption"), captionBox->isChecked());
    settings.setValue(group + QStringLiteral("legend"), legendBox->isChecked());
    QDialog::accept();
}
