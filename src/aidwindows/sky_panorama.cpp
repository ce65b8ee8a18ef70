#include "aidwindows/sky_panorama.h"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QList>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

#include "platform/qt_text.h"

namespace tarvo {

namespace {

constexpr double kEast = 90;
constexpr double kWest = 270;
constexpr double kLeft = 40;  // room for the elevation figures
constexpr double kRight = 14;
constexpr double kTop = 12;
constexpr double kBottom = 40;  // room for the azimuth figures and the compass points
constexpr double kPickRadius = 9;

QRectF PlotArea(QSize size) {
    return QRectF(kLeft, kTop, std::max(1.0, size.width() - kLeft - kRight),
                  std::max(1.0, size.height() - kTop - kBottom));
}

// Cells of the panorama where a name was written, so that names never overlap: with a
// catalogue of thousands, only the names with room are drawn (look-list satellites and
// the main window's first).
class NameRoom {
  public:
    explicit NameRoom(QSize size)
        : columns_(size.width() / kCell + 1),
          rows_(size.height() / kCell + 1),
          taken_(static_cast<std::size_t>(columns_ * rows_), false) {}

    bool Free(const QRectF& box) const {
        return Each(box, [&](std::size_t i) { return !taken_[i]; });
    }
    void Take(const QRectF& box) {
        Each(box, [&](std::size_t i) {
            taken_[i] = true;
            return true;
        });
    }

  private:
    static constexpr int kCell = 6;

    template <typename F>
    bool Each(const QRectF& box, F f) const {
        const int left = std::clamp(static_cast<int>(box.left()) / kCell, 0, columns_ - 1);
        const int right = std::clamp(static_cast<int>(box.right()) / kCell, 0, columns_ - 1);
        const int top = std::clamp(static_cast<int>(box.top()) / kCell, 0, rows_ - 1);
        const int bottom = std::clamp(static_cast<int>(box.bottom()) / kCell, 0, rows_ - 1);
        for (int row = top; row <= bottom; ++row) {
            for (int column = left; column <= right; ++column) {
                if (!f(static_cast<std::size_t>(row * columns_ + column))) {
                    return false;
                }
            }
        }
        return true;
    }
    template <typename F>
    bool Each(const QRectF& box, F f) {
        return std::as_const(*this).Each(box, f);
    }

    int columns_;
    int rows_;
    mutable std::vector<bool> taken_;
};

void DrawGrid(QPainter& painter, QSize size, const QRectF& area) {
    painter.setPen(QPen(QColor(255, 255, 255, 150), 1));
    const QFontMetricsF metrics(painter.font());
    for (int elevation = 0; elevation <= 90; elevation += 10) {
        const double y = SkyPanorama::Place(size, kEast, elevation).y();
        painter.setPen(QPen(QColor(255, 255, 255, 150), 1));
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        painter.setPen(QColor(30, 40, 60));
        const QString figure = QString::number(elevation);
        painter.drawText(QPointF(area.left() - 6 - metrics.horizontalAdvance(figure),
                                 y + metrics.ascent() / 2 - 1),
                         figure);
    }
    static const char* const kPoints[] = {"E", "SE", "S", "SW", "W"};
    for (int azimuth = 90; azimuth <= 270; azimuth += 10) {
        const double x = SkyPanorama::Place(size, azimuth, 0).x();
        const bool major = azimuth % 45 == 0;
        painter.setPen(QPen(QColor(255, 255, 255, major ? 200 : 90), 1));
        painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        painter.setPen(QColor(30, 40, 60));
        painter.drawLine(QPointF(x, area.bottom()), QPointF(x, area.bottom() + (major ? 6 : 3)));
        if (azimuth % 30 == 0) {
            const QString figure = QString::number(azimuth);
            painter.drawText(QPointF(x - metrics.horizontalAdvance(figure) / 2,
                                     area.bottom() + 6 + metrics.ascent()),
                             figure);
        }
    }
    QFont bold = painter.font();
    bold.setBold(true);
    painter.setFont(bold);
    const QFontMetricsF boldMetrics(bold);
    for (int i = 0; i < 5; ++i) {
        const double x = SkyPanorama::Place(size, 90 + 45 * i, 0).x();
        const QString point = QString::fromLatin1(kPoints[i]);
        double left = x - boldMetrics.horizontalAdvance(point) / 2;
        left = std::clamp(left, 0.0, size.width() - boldMetrics.horizontalAdvance(point));
        painter.drawText(QPointF(left, area.bottom() + 8 + metrics.height() + boldMetrics.ascent()),
                         point);
    }
}

void DrawGround(QPainter& painter, QSize size, const QRectF& area, const HorizonMask& mask) {
    QPainterPath ground;
    ground.moveTo(area.bottomLeft());
    // The mask's straight lines in azimuth stay straight on the panorama; its points
    // and the edges of the view are the corners.
    std::vector<double> corners = {kEast, kWest};
    for (const HorizonPoint& point : OrderedMask(mask)) {
        if (point.azimuth > kEast && point.azimuth < kWest) {
            corners.push_back(point.azimuth);
        }
    }
    std::sort(corners.begin(), corners.end());
    for (double azimuth : corners) {
        // A step (points of one azimuth) is drawn up to its highest point and down again.
        const double before = MaskElevationAt(mask, azimuth - 1e-9);
        const double at = MaskElevationAt(mask, azimuth);
        const double after = MaskElevationAt(mask, azimuth + 1e-9);
        for (double elevation : {before, at, after}) {
            ground.lineTo(SkyPanorama::Place(size, azimuth, std::max(0.0, elevation)));
        }
    }
    ground.lineTo(area.bottomRight());
    ground.closeSubpath();
    painter.setPen(QPen(QColor(70, 60, 40), 1.5));
    painter.setBrush(QColor(128, 112, 84, 220));
    painter.drawPath(ground);
    painter.setBrush(Qt::NoBrush);
}

void DrawArc(QPainter& painter, QSize size, const std::vector<ArcPoint>& arc) {
    if (arc.size() < 2) {
        return;
    }
    QPolygonF line;
    line.reserve(static_cast<qsizetype>(arc.size()));
    for (const ArcPoint& point : arc) {
        line << SkyPanorama::Place(size, point.azimuth, point.elevation);
    }
    painter.setPen(QPen(QColor(230, 180, 40), 2, Qt::DashLine));
    painter.drawPolyline(line);
}

bool InView(double azimuth, double elevation) {
    return elevation >= 0 && azimuth >= kEast && azimuth <= kWest;
}

// Today's sun: a dotted line where it is in view, a dot and the hour (UTC) at each whole
// hour, and where it passes behind a satellite a sun's disc with the minute.
void DrawSunPath(QPainter& painter, QSize size, const SkySunPath& sun) {
    const QColor colour(235, 110, 0);
    QFont small = painter.font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    const QFontMetricsF metrics(small);
    const QFont before = painter.font();
    painter.setFont(small);
    QPolygonF line;
    const auto flush = [&] {
        if (line.size() > 1) {
            painter.setPen(QPen(colour, 1.5, Qt::DotLine));
            painter.drawPolyline(line);
        }
        line.clear();
    };
    for (const SkySunPoint& point : sun.points) {
        if (!InView(point.azimuth, point.elevation)) {
            flush();
            continue;
        }
        const QPointF at = SkyPanorama::Place(size, point.azimuth, point.elevation);
        line << at;
        if (point.at % 3600 == 0) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(colour);
            painter.drawEllipse(at, 2.2, 2.2);
            painter.setBrush(Qt::NoBrush);
            painter.setPen(colour.darker(140));
            const QString hour = QString::number((point.at / 3600) % 24) + QLatin1Char('h');
            painter.drawText(QPointF(at.x() + 4, at.y() - 3), hour);
        }
    }
    flush();
    if (sun.crossing && InView(sun.crossing->closest.azimuth, sun.crossing->closest.elevation)) {
        const SkySunPoint& closest = sun.crossing->closest;
        const QPointF at = SkyPanorama::Place(size, closest.azimuth, closest.elevation);
        painter.setPen(QPen(colour.darker(130), 1.5));
        painter.setBrush(QColor(255, 210, 40, 200));
        painter.drawEllipse(at, 6, 6);
        painter.setBrush(Qt::NoBrush);
        const QString label =
            QString::fromStdString(UtcClockText(closest.at).substr(0, 5)) + QStringLiteral(" UTC");
        painter.setPen(colour.darker(160));
        painter.drawText(QPointF(at.x() + 10, at.y() + 12 + metrics.ascent() / 2), label);
    }
    painter.setFont(before);
}

}  // namespace

SkyPanorama::SkyPanorama(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picSky"));
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAccessibleName(tr("Sky view"));
}

void SkyPanorama::SetScene(const SkyScene* scene) {
    scene_ = scene;
    const int count = scene_ == nullptr ? 0 : static_cast<int>(scene_->satellites.size());
    if (picked_ >= count) {
        picked_ = -1;
    }
    update();
}

void SkyPanorama::Pick(int index) {
    const int count = scene_ == nullptr ? 0 : static_cast<int>(scene_->satellites.size());
    if (index < -1 || index >= count || index == picked_) {
        return;
    }
    picked_ = index;
    update();
    emit PickChanged(index);
}

QPointF SkyPanorama::Place(QSize size, double azimuth, double elevation) {
    const QRectF area = PlotArea(size);
    const double x = area.left() + (azimuth - kEast) / (kWest - kEast) * area.width();
    const double y = area.bottom() - std::clamp(elevation, 0.0, 90.0) / 90 * area.height();
    return {x, y};
}

void SkyPanorama::Draw(QPainter& painter, QSize size, const SkyScene& scene, int picked) {
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QRectF area = PlotArea(size);
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0, QColor(92, 142, 204));
    sky.setColorAt(1, QColor(196, 220, 240));
    painter.fillRect(QRect(QPoint(0, 0), size), QColor(236, 236, 236));
    painter.fillRect(area, sky);
    DrawGrid(painter, size, area);
    painter.setFont(painter.font());
    QFont plain = painter.font();
    plain.setBold(false);
    painter.setFont(plain);
    if (!scene.hasPlace) {
        return;
    }
    DrawArc(painter, size, scene.arc);
    if (scene.sun.valid) {
        DrawSunPath(painter, size, scene.sun);
    }
    DrawGround(painter, size, area, scene.mask);

    QFont bold = plain;
    bold.setBold(true);
    const QFontMetricsF plainMetrics(plain);
    const QFontMetricsF boldMetrics(bold);
    NameRoom room(size);
    painter.setClipRect(area.adjusted(-6, -6, 6, 6));

    // Points first, names after: the main window's satellite, then the look list, then
    // the rest get the room for names in that order.
    auto visible = [&](const SkySatellite& s) {
        return s.hasAngles && s.elevation >= 0 && s.azimuth >= kEast - 1 && s.azimuth <= kWest + 1;
    };
    // With thousands of satellites most fall on pixels already drawn in the same style:
    // each pixel and style is drawn once, and each style in one call.
    const QColor blockedColour(200, 30, 30);
    enum Style { Clear, ClearMarked, Blocked, BlockedMarked, kStyles };
    std::vector<std::uint8_t> drawn(
        static_cast<std::size_t>(size.width() + 1) * static_cast<std::size_t>(size.height() + 1),
        0);
    QList<QRectF> dots[2];
    QList<QLineF> crosses[2];
    for (const SkySatellite& s : scene.satellites) {
        if (!visible(s)) {
            continue;
        }
        const QPointF at = Place(size, s.azimuth, s.elevation);
        const int style = (s.Blocked() ? Blocked : Clear) + (s.onLookList ? 1 : 0);
        const int px = std::clamp(static_cast<int>(at.x()), 0, size.width());
        const int py = std::clamp(static_cast<int>(at.y()), 0, size.height());
        std::uint8_t& cell =
            drawn[static_cast<std::size_t>(py) * static_cast<std::size_t>(size.width() + 1) +
                  static_cast<std::size_t>(px)];
        if (cell & (1u << style)) {
            continue;
        }
        cell = static_cast<std::uint8_t>(cell | (1u << style));
        const double radius = s.onLookList ? 4 : 2.5;
        const int marked = s.onLookList ? 1 : 0;
        if (s.Blocked()) {
            crosses[marked] << QLineF(at + QPointF(-radius, -radius), at + QPointF(radius, radius))
                            << QLineF(at + QPointF(-radius, radius), at + QPointF(radius, -radius));
        } else {
            dots[marked] << QRectF(at - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius));
        }
    }
    static_assert(kStyles <= 8, "one bit a style");
    for (int marked = 0; marked < 2; ++marked) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(marked ? QColor(10, 30, 90) : QColor(60, 70, 90, 170));
        for (const QRectF& dot : dots[marked]) {
            painter.drawEllipse(dot);
        }
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(blockedColour, marked ? 2 : 1.2));
        painter.drawLines(crosses[marked]);
    }
    for (int pass = 0; pass < 3; ++pass) {
        for (const SkySatellite& s : scene.satellites) {
            const int rank = s.shown ? 0 : (s.onLookList ? 1 : 2);
            if (rank != pass || !visible(s)) {
                continue;
            }
            const QPointF at = Place(size, s.azimuth, s.elevation);
            // Where both the spot above the point and the one below are written on
            // already, no name fits: passed over before it is measured.
            if (pass > 0 && !room.Free(QRectF(at.x() - 1, at.y() - 10, 2, 2)) &&
                !room.Free(QRectF(at.x() - 1, at.y() + 8, 2, 2))) {
                continue;
            }
            const bool strong = s.onLookList || s.shown;
            const QFontMetricsF& metrics = strong ? boldMetrics : plainMetrics;
            const QString name = ToQString(s.name);
            // Above the point, or else below it.
            const double width = metrics.horizontalAdvance(name);
            QRectF box(at.x() - width / 2, at.y() - 6 - metrics.height(), width, metrics.height());
            if (!room.Free(box) && pass > 0) {
                box.moveTop(at.y() + 6);
                if (!room.Free(box)) {
                    continue;
                }
            }
            room.Take(box);
            painter.setFont(strong ? bold : plain);
            painter.setPen(s.Blocked() ? blockedColour.darker(130)
                                       : (strong ? QColor(10, 20, 60) : QColor(50, 60, 80)));
            painter.drawText(QPointF(box.left(), box.top() + metrics.ascent()), name);
        }
    }
    painter.setFont(plain);
    for (int i = 0; i < static_cast<int>(scene.satellites.size()); ++i) {
        const SkySatellite& s = scene.satellites[static_cast<std::size_t>(i)];
        if (!visible(s) || !(s.shown || i == picked)) {
            continue;
        }
        const QPointF at = Place(size, s.azimuth, s.elevation);
        if (s.shown) {
            painter.setPen(QPen(QColor(240, 120, 0), 2.5));
            painter.drawEllipse(at, 8, 8);
        }
        if (i == picked) {
            painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
            painter.drawRect(QRectF(at - QPointF(11, 11), QSizeF(22, 22)));
        }
    }
    painter.setClipping(false);
}

int SkyPanorama::SatelliteAt(QPointF point) const {
    if (scene_ == nullptr) {
        return -1;
    }
    int nearest = -1;
    double best = kPickRadius * kPickRadius;
    for (int i = 0; i < static_cast<int>(scene_->satellites.size()); ++i) {
        const SkySatellite& s = scene_->satellites[static_cast<std::size_t>(i)];
        if (!s.hasAngles || s.elevation < 0) {
            continue;
        }
        const QPointF d = Place(size(), s.azimuth, s.elevation) - point;
        const double distance = d.x() * d.x() + d.y() * d.y();
        if (distance <= best) {
            best = distance;
            nearest = i;
        }
    }
    return nearest;
}

void SkyPanorama::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (scene_ != nullptr) {
        Draw(painter, size(), *scene_, hasFocus() ? picked_ : -1);
    } else {
        Draw(painter, size(), SkyScene{}, -1);
    }
    if (hasFocus()) {
        painter.setPen(QPen(palette().highlight().color(), 2));
        painter.drawRect(rect().adjusted(1, 1, -1, -1));
    }
}

void SkyPanorama::mousePressEvent(QMouseEvent* event) {
    const int index = SatelliteAt(event->position());
    if (index >= 0) {
        Pick(index);
        emit Chosen(index);
    }
    QWidget::mousePressEvent(event);
}

void SkyPanorama::keyPressEvent(QKeyEvent* event) {
    const int count = scene_ == nullptr ? 0 : static_cast<int>(scene_->satellites.size());
    switch (event->key()) {
        case Qt::Key_Left:
            if (count > 0) {
                Pick(picked_ <= 0 ? 0 : picked_ - 1);
            }
            return;
        case Qt::Key_Right:
            if (count > 0) {
                Pick(std::min(picked_ + 1, count - 1));
            }
            return;
        case Qt::Key_Home:
            if (count > 0) {
                Pick(0);
            }
            return;
        case Qt::Key_End:
            if (count > 0) {
                Pick(count - 1);
            }
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            if (picked_ >= 0) {
                emit Chosen(picked_);
            }
            return;
        default:
            QWidget::keyPressEvent(event);
    }
}

}  // namespace tarvo
