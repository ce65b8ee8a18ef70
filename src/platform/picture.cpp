#include "platform/picture.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cmath>

namespace tarvo {

namespace {

const QString kPrefix = QStringLiteral(":/tarvo/");

}  // namespace

QPixmap Picture(const QString& name) {
    return Picture(name, qApp != nullptr ? qApp->devicePixelRatio() : 1.0);
}

QPixmap Picture(const QString& name, qreal devicePixelRatio) {
    QPixmap drawn(kPrefix + name + QStringLiteral(".png"));
    const QString source = kPrefix + name + QStringLiteral(".svg");
    if (drawn.isNull() || devicePixelRatio <= 1.0 || !QFile::exists(source)) {
        return drawn;
    }
    QSvgRenderer renderer(source);
    if (!renderer.isValid()) {
        return drawn;
    }
    const QSize device(int(std::ceil(drawn.width() * devicePixelRatio)),
                       int(std::ceil(drawn.height() * devicePixelRatio)));
    QImage image(device, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(device)));
    }
    image.setDevicePixelRatio(devicePixelRatio);
    return QPixmap::fromImage(image);
}

QIcon ProgramIcon() {
    // Made from the SVG first, so that the icon is drawn from it at sizes not drawn.
    QIcon icon(kPrefix + QStringLiteral("tarvo.svg"));
    for (const char* file : {"tarvo.png", "tarvo-48.png", "tarvo-256.png"}) {
        icon.addFile(kPrefix + QString::fromLatin1(file));
    }
    return icon;
}

}  // namespace tarvo
