#include "app/routespanel.h"

#include "view/glbox.h"
#include "view/routetext.h"

#include <QColor>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace ts;

namespace {
constexpr int kSwatchSide = 14;
constexpr int kTop = -1; // the level box's value for "top": a terminal

// The route's start colour and its half-colour end, side by side.
QIcon swatch(int bits)
{
    QPixmap pixmap(2 * kSwatchSide, kSwatchSide);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    const Colour full = colourFromBits(bits, 1.0f), half = colourFromBits(bits, 0.5f);
    painter.fillRect(0, 0, kSwatchSide, kSwatchSide, QColor::fromRgbF(full.r, full.g, full.b));
    painter.fillRect(kSwatchSide, 0, kSwatchSide, kSwatchSide, QColor::fromRgbF(half.r, half.g, half.b));
    painter.setPen(Qt::gray);
    painter.drawRect(0, 0, 2 * kSwatchSide - 1, kSwatchSide - 1);
    return QIcon(pixmap);
}

QSpinBox *indexBox(QWidget *parent, const char *name, const QString &help)
{
    auto *box = new QSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setToolTip(help);
    box->setAccessibleName(help);
    return box;
}
} // namespace

RoutesPanel::RoutesPanel(GLBox *view, QWidget *parent)
    : QWidget(parent)
    , view(view)
{
    auto *layout = new QVBoxLayout(this);

    routes = new QListWidget(this);
    routes->setObjectName(QStringLiteral("route_list"));
    routes->setAccessibleName(tr("Marked terminals and their routes"));
    routes->setWordWrap(true);
    routes->setIconSize(QSize(2 * kSwatchSide, kSwatchSide));
    routes->setMinimumWidth(320);
    layout->addWidget(routes, 3);

    summary = new QPlainTextEdit(this);
    summary->setObjectName(QStringLiteral("route_summary"));
    summary->setAccessibleName(tr("Destinations and marked switches"));
    summary->setReadOnly(true);
    layout->addWidget(summary, 1);

    auto *form = new QGroupBox(tr("Mark"), this);
    form->setObjectName(QStringLiteral("mark"));
    auto *grid = new QGridLayout(form);
    markI = indexBox(form, "mark_i", tr("Column i of the terminal or switch to mark"));
    markJ = indexBox(form, "mark_j", tr("Row j of the terminal or switch to mark"));
    markK = indexBox(form, "mark_k", tr("Level k of the switch to mark, or top for a terminal"));
    markK->setSpecialValueText(tr("top"));
    const QString labels[] = {QStringLiteral("i:"), QStringLiteral("j:"), QStringLiteral("k:")};
    QSpinBox *boxes[] = {markI, markJ, markK};
    for (int b = 0; b < 3; ++b) {
        auto *label = new QLabel(labels[b], form);
        label->setBuddy(boxes[b]);
        grid->addWidget(label, 0, 2 * b);
        grid->addWidget(boxes[b], 0, 2 * b + 1);
    }
    struct Button
    {
        const char *name;
        QString text;
        int bit;
    };
    const Button buttons[] = {{"mark_red", tr("Red"), RedBit},
                              {"mark_green", tr("Green"), GreenBit},
                              {"mark_blue", tr("Blue"), BlueBit}};
    int column = 0;
    for (const Button &b : buttons) {
        auto *button = new QPushButton(b.text, form);
        button->setObjectName(QLatin1String(b.name));
        button->setToolTip(tr("Toggle a %1 mark, as a click with the %2 button would")
                               .arg(b.text.toLower(), b.bit == RedBit     ? tr("left")
                                                      : b.bit == GreenBit ? tr("middle")
                                                                          : tr("right")));
        connect(button, &QPushButton::clicked, this, [this, bit = b.bit] { toggleChosen(bit); });
        grid->addWidget(button, 1, column, 1, 2);
        column += 2;
    }
    auto *clear = new QPushButton(tr("Clear all"), form);
    clear->setObjectName(QStringLiteral("clear_marks"));
    clear->setToolTip(tr("Clear every mark, as a click on empty space would"));
    connect(clear, &QPushButton::clicked, view, &GLBox::clearMarks);
    grid->addWidget(clear, 2, 0, 1, 6);
    layout->addWidget(form);

    connect(view, &GLBox::networkChanged, this, &RoutesPanel::refresh);
    refresh();
    markK->setValue(kTop);
}

void RoutesPanel::toggleChosen(int colourBit)
{
    PickedBox box;
    box.kind = markK->value() == kTop ? PickedBox::Terminal : PickedBox::Switch;
    box.i = markI->value();
    box.j = markJ->value();
    box.k = markK->value() == kTop ? -1 : markK->value();
    view->toggleMark(box, colourBit);
}

void RoutesPanel::refresh()
{
    const SwitchNetwork &net = view->network();
    const int n = net.size();
    markI->setRange(0, n - 1);
    markJ->setRange(0, n - 1);
    markK->setRange(kTop, n - 1);

    routes->clear();
    QStringList destinations, switches;
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) {
            if (const int bits = net.terminalSelection(i, j)) {
                auto *item = new QListWidgetItem(swatch(bits), QString::fromStdString(colourWords(bits) + ": " +
                                                                                      describeRoute(net, i, j)));
                routes->addItem(item);
            }
            if (const int mark = net.terminalMark(i, j))
                destinations << tr("terminal (%1, %2) is reached by %3")
                                    .arg(i)
                                    .arg(j)
                                    .arg(QString::fromStdString(colourWords(mark)));
            for (int k = 0; k < n; ++k)
                if (const int sel = net.switchSelection(i, j, k))
                    switches << tr("switch (%1, %2, %3) is marked %4")
                                    .arg(i)
                                    .arg(j)
                                    .arg(k)
                                    .arg(QString::fromStdString(colourWords(sel)));
        }
    if (routes->count() == 0)
        routes->addItem(tr("No terminal is marked: click one, or use the form below."));
    QStringList lines;
    lines << (destinations.isEmpty() ? QStringList{tr("No route arrives.")} : destinations);
    lines << (switches.isEmpty() ? QStringList{tr("No switch is marked.")} : switches);
    summary->setPlainText(lines.join(QLatin1Char('\n')));
}
