#include "frmacercade.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

/// The module's emblem: the form number on a blue tile.
QPixmap emblem()
{
    QPixmap pixmap(72, 72);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, 0, 72);
    fill.setColorAt(0, QColor(0x3b, 0x6e, 0xb4));
    fill.setColorAt(1, QColor(0x1f, 0x3f, 0x73));
    p.setPen(QPen(QColor(0x15, 0x2c, 0x52), 1));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(0.5, 0.5, 71, 71), 10, 10);
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(22);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, 72, 72), Qt::AlignCenter, QStringLiteral("0947"));
    return pixmap;
}

} // namespace

frmAcercade::frmAcercade(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAcercade"));
    setWindowTitle(QStringLiteral("Acerca de KOVA"));

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("picIcon"));
    picture->setPixmap(emblem());
    picture->setAlignment(Qt::AlignTop);

    auto* title = new QLabel(QStringLiteral("0947 Agentes de Percepción"), this);
    title->setObjectName(QStringLiteral("lblTitle"));
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    title->setFont(titleFont);
    auto* version = new QLabel(VersionText, this);
    version->setObjectName(QStringLiteral("txtVersion"));
    auto* platform = new QLabel(QStringLiteral("Módulo del Integrador del KOVA"), this);
    platform->setObjectName(QStringLiteral("lblDescription"));

    auto* texts = new QVBoxLayout;
    texts->addWidget(title);
    texts->addWidget(version);
    texts->addSpacing(6);
    texts->addWidget(platform);
    texts->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(picture);
    top->addSpacing(12);
    top->addLayout(texts, 1);

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto* ok = new QPushButton(QStringLiteral("&Aceptar"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(line);
    layout->addLayout(buttons);
    const QSize hint = sizeHint();
    setFixedSize(std::max(hint.width() + 24, 380), hint.height());
}
