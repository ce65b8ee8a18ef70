#pragma once

#include <QWidget>
#include <cstdint>
#include <vector>

#include "aidwindows/sky_scene.h"

class QPainter;

namespace tarvo {

// The panorama of the sky view, drawn with QPainter: azimuth across from east (90) on
// the left through south to west (270) on the right, elevation up from 0 to 90. On it
// the geostationary arc, today's path of the sun (dotted, its whole hours in UTC marked,
// and where it passes behind the main window's satellite), the horizon mask as a filled
// ground profile, and each satellite as a point with its name where there is room:
// look-list satellites stronger, the main window's satellite ringed, blocked ones
// crossed out in red.
//
// Clicking near a satellite chooses it; with the keyboard, Left and Right pick the
// neighbour to the east and west, Enter or Space chooses the one picked. The whole
// content is the widget's accessible description.
class SkyPanorama : public QWidget {
    Q_OBJECT
  public:
    explicit SkyPanorama(QWidget* parent = nullptr);

    void SetScene(const SkyScene* scene);

    // The satellite picked (an index into the scene's satellites), or -1.
    int Picked() const { return picked_; }
    void Pick(int index);

    // Draws the scene into `size` (logical pixels): the same drawing as on screen.
    static void Draw(QPainter& painter, QSize size, const SkyScene& scene, int picked);

    // Where a direction falls in a panorama of `size`.
    static QPointF Place(QSize size, double azimuth, double elevation);

    // The satellite drawn nearest to `point` within a few pixels, or -1.
    int SatelliteAt(QPointF point) const;

    QSize sizeHint() const override { return {720, 360}; }
    QSize minimumSizeHint() const override { return {320, 180}; }

  signals:
    // The crew picked a satellite (Left, Right or a click).
    void PickChanged(int index);
    // The crew chose it: Enter, Space or a click.
    void Chosen(int index);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    const SkyScene* scene_ = nullptr;
    int picked_ = -1;
};

}  // namespace tarvo
