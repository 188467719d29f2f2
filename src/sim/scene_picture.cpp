#include "sim/scene_picture.h"

#include <cmath>

#include "sim/scene_view.h"

namespace orvalis::sim {

namespace {

constexpr Rgb8 kWhite{255, 255, 255};
constexpr Rgb8 kDark{0, 0, 0};
constexpr Rgb8 kHostBackground{38, 46, 64};
constexpr Rgb8 kHostInk{230, 230, 230};

// The axes stand in the lower left corner, this many pixels long.
constexpr double kAxesOrigin = 48;
constexpr double kAxesLength = 40;

class ViewPainter {
  public:
    ViewPainter(BitmapCanvas& canvas, const ViewPlane& plane, const ViewWindow& window, Rgb8 ink)
        : canvas_(canvas), plane_(plane), window_(window), ink_(ink) {}

    void Draw(const Polyline& polyline) {
        for (std::size_t i = 1; i < polyline.size(); ++i) {
            double x0, y0, x1, y1;
            Project(polyline[i - 1], x0, y0);
            Project(polyline[i], x1, y1);
            canvas_.Line(x0, y0, x1, y1, ink_);
        }
    }

    void DrawAxes() {
        const Point3 axes[] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
        double x = kAxesOrigin, y = canvas_.height() - kAxesOrigin;
        for (const Point3& axis : axes) {
            double right = Along(axis, plane_.right), up = Along(axis, plane_.up);
            if (std::hypot(right, up) < 0.1) continue;  // pointing at the viewer
            canvas_.Line(x, y, x + right * kAxesLength, y - up * kAxesLength, ink_);
        }
    }

  private:
    void Project(const Point3& point, double& x, double& y) const {
        double half_w = canvas_.width() / 2.0, half_h = canvas_.height() / 2.0;
        x = half_w +
            (Along(point, plane_.right) - window_.centre_right) / window_.half_width * half_w;
        y = half_h - (Along(point, plane_.up) - window_.centre_up) / window_.half_height * half_h;
    }

    BitmapCanvas& canvas_;
    ViewPlane plane_;
    ViewWindow window_;
    Rgb8 ink_;
};

}  // namespace

BitmapCanvas RenderView(const HostState& state, bool white_background) {
    const Scene& scene = state.scene;
    BitmapCanvas canvas(kViewPictureWidth, kViewPictureHeight,
                        white_background ? kWhite : kHostBackground);
    double aspect = static_cast<double>(kViewPictureWidth) / kViewPictureHeight;
    ViewWindow window = scene.fitted ? *scene.fitted : FitView(state, scene.view, aspect);
    ViewPainter painter(canvas, PlaneOf(scene.view), window, white_background ? kDark : kHostInk);
    ForEachDrawnLine(state, [&](const Polyline& polyline) { painter.Draw(polyline); });
    if (scene.axes_drawn) painter.DrawAxes();
    return canvas;
}

}  // namespace orvalis::sim
