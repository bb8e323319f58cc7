#pragma once

#include "figure/figure.h"
#include "figure/figurefile.h"

#include <QDialog>
#include <QSize>

class QCheckBox;
class QComboBox;
class QLabel;
class QSpinBox;

// File > Export Image...: the format, the size (pixels, or millimetres for
// PDF), the background, fitting, caption and legend. The choices are kept
// in the settings for the next time.
class ExportDialog : public QDialog
{
    Q_OBJECT

public:
    // An image of the view, or a handout of every scene: a PDF of a page
    // each (its size the page's) or a folder of pictures or drawings.
    enum Purpose { Image, Handout };

    // viewPixels: the view's size in device pixels, a picture's default size.
    explicit ExportDialog(const QSize &viewPixels, QWidget *parent = nullptr, Purpose purpose = Image);

    ts::FigureFormat format() const;
    // Pixels for pictures and SVG, millimetres for PDF.
    QSizeF figureSize(ts::FigureFormat format) const;
    ts::FigureOptions figureOptions() const;
    // "png", "svg" or "pdf"
    static QString suffix(ts::FigureFormat format);

    void accept() override;

private:
    void showFormat();
    void restoreDefaultSize();

    QSize viewPixels;
    Purpose purpose;
    QString group; // where the choices are kept
    QSizeF defaultMillimetres;
    QSize pixels;
    QSize millimetres;
    QComboBox *formatBox;
    QSpinBox *widthBox;
    QSpinBox *heightBox;
    QLabel *sizeNote;
    QComboBox *backgroundBox;
    QCheckBox *fitBox;
    QCheckBox *captionBox;
    QCheckBox *legendBox;
};
