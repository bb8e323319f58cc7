#include "app/exportdialog.h"

#include "app/commandline.h"

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
const QString kGroup = QStringLiteral("export/");

QSpinBox *sizeBox(const QString &name, QWidget *parent)
{
    auto *box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(1, kMaxImageSide);
    return box;
}
} // namespace

ExportDialog::ExportDialog(const QSize &view, QWidget *parent)
    : QDialog(parent)
    , viewPixels(view)
    , formatBox(new QComboBox(this))
    , widthBox(sizeBox(QStringLiteral("export_width"), this))
    , heightBox(sizeBox(QStringLiteral("export_height"), this))
    , sizeNote(new QLabel(this))
    , backgroundBox(new QComboBox(this))
    , fitBox(new QCheckBox(tr("&Fit the model to the picture"), this))
    , captionBox(new QCheckBox(tr("&Caption: N, the offsets and the lesson's title"), this))
    , legendBox(new QCheckBox(tr("&Legend: the marked routes, where each starts and ends"), this))
{
    setObjectName(QStringLiteral("export_dialog"));
    setWindowTitle(tr("Export Image"));
    formatBox->setObjectName(QStringLiteral("export_format"));
    formatBox->addItem(tr("PNG picture"));
    formatBox->addItem(tr("SVG drawing"));
    formatBox->addItem(tr("PDF document"));
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

    const QSettings settings;
    pixels = settings.value(kGroup + QStringLiteral("pixels"), viewPixels).toSize();
    millimetres = settings.value(kGroup + QStringLiteral("millimetres"), ts::kDefaultPdfMillimetres.toSize()).toSize();
    formatBox->setCurrentIndex(std::clamp(settings.value(kGroup + QStringLiteral("format"), 0).toInt(), 0, 2));
    backgroundBox->setCurrentIndex(settings.value(kGroup + QStringLiteral("print"), false).toBool() ? 1 : 0);
    fitBox->setChecked(settings.value(kGroup + QStringLiteral("fit"), true).toBool());
    captionBox->setChecked(settings.value(kGroup + QStringLiteral("caption"), false).toBool());
    legendBox->setChecked(settings.value(kGroup + QStringLiteral("legend"), false).toBool());
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
    sizeNote->setText(pdf ? tr("Default: A5 landscape") : tr("Default: the view, %1 \u00d7 %2 pixels")
                                                              .arg(viewPixels.width())
                                                              .arg(viewPixels.height()));
}

void ExportDialog::restoreDefaultSize()
{
    if (format() == ts::FigureFormat::Pdf)
        millimetres = ts::kDefaultPdfMillimetres.toSize();
    else
        pixels = viewPixels;
    showFormat();
}

void ExportDialog::accept()
{
    QSettings settings;
    settings.setValue(kGroup + QStringLiteral("format"), formatBox->currentIndex());
    // A picture the view's size stays the view's size when the window changes.
    if (pixels == viewPixels)
        settings.remove(kGroup + QStringLiteral("pixels"));
    else
        settings.setValue(kGroup + QStringLiteral("pixels"), pixels);
    settings.setValue(kGroup + QStringLiteral("millimetres"), millimetres);
    settings.setValue(kGroup + QStringLiteral("print"), backgroundBox->currentIndex() == 1);
    settings.setValue(kGroup + QStringLiteral("fit"), fitBox->isChecked());
    settings.setValue(kGroup + QStringLiteral("caption"), captionBox->isChecked());
    settings.setValue(kGroup + QStringLiteral("legend"), legendBox->isChecked());
    QDialog::accept();
}
