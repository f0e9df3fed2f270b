// The drawing surface the user sees: a kept image of the drawing area that the window copies to
// the screen, drawn at the window's zoom and the screen's pixel density. Drawing is aliased, so a
// line redrawn in the background grey is erased pixel for pixel.
#pragma once

#include "DrawingSurface.h"

#include <QImage>
#include <QPainter>
#include <QPen>
#include <QRegion>

#include <array>
#include <vector>

class ImageSurface : public DrawingSurface {
public:
    // The drawing area in design pixels, the unit every run draws in: 801 x 581, so that column
    // 800 and row 580 exist.
    static constexpr int width = 801;
    static constexpr int height = 581;

    // zoom: logical pixels per design pixel, the window's scale. devicePixelRatio: device pixels
    // per logical pixel, the screen's. The image holds zoom x ratio device pixels per design
    // pixel, so that lines stay sharp at any size and on high-density screens.
    explicit ImageSurface(double zoom = 1.0, qreal devicePixelRatio = 1.0);
    ~ImageSurface() override;
    ImageSurface(const ImageSurface&) = delete;
    ImageSurface& operator=(const ImageSurface&) = delete;

    using DrawingSurface::line;
    void setScaleToPixels() override;
    void setPenWidth(int pixels) override;
    void line(float x1, float y1, float x2, float y2, std::optional<Colour> colour) override;
    void circle(float x, float y, float radius) override;

    // Projector colours for what is drawn from now on (see Colour::forProjector), with lines one
    // pixel thicker at a zoom of 1.5 and above. Off when made.
    void setProjectorColours(bool on);
    bool projectorColours() const { return projector_; }
    // The width in design pixels a line of the given width is drawn with.
    int drawnWidth(int pixels) const;

    double zoom() const { return zoom_; }
    qreal devicePixelRatio() const { return image_.devicePixelRatio(); }
    // Device pixels per design pixel.
    double scale() const { return zoom_ * image_.devicePixelRatio(); }
    // The width in device pixels of a pen of the given width in design pixels: whole pixels, so
    // that every line of one width looks the same.
    int devicePenWidth(int pixels) const;

    // The live image, for copying to the screen. Its logical size is the drawing area times the
    // zoom. It changes as drawing goes on: keep a snapshot() rather than a copy of this reference.
    const QImage& image() const { return image_; }
    QImage snapshot() const { return image_.copy(); }
    // What was drawn on since the last call, in design pixels: a few small rectangles around the
    // places drawn on, rather than one that spans them all. Empty when nothing was drawn; all of
    // the drawing area on the first call, after takePicture(), and when so much was drawn since
    // the last call that no window was showing it line by line.
    QRegion takeDirtyRegion();
    // Takes over the picture and pen state of another surface, drawn at another zoom or ratio,
    // so that drawing goes on here from where it left off there. That surface is left empty.
    void takePicture(ImageSurface& drawn);

private:
    // A place drawn on, in design pixels: the bounds of what was drawn there.
    struct Place {
        double left;
        double top;
        double right;
        double bottom;
    };
    // A pen made for one width and colour at the surface's scale.
    struct MadePen {
        int width;
        Colour colour;
        QPen pen;
    };
    // The places kept apart before new ones are joined to the nearest.
    static constexpr int mostPlaces = 12;

    void beginPainting();
    void usePen(Colour colour);
    void markDirty(double left, double top, double right, double bottom);
    void markAllDirty();

    double zoom_;
    QImage image_;
    QPainter painter_;
    int penWidth_ = 1;
    bool projector_ = false;
    // The pen the painter holds; width 0 means none has been set yet.
    int appliedWidth_ = 0;
    Colour appliedColour_ = Colour::foreground();
    // Every pen made since the scale was last set: a run uses a handful, over and over.
    std::vector<MadePen> pens_;
    // All of the picture counts as changed since the region was last taken: a new picture, one
    // taken over, or one drawn on at full speed. Then a line costs no bookkeeping at all.
    bool allDirty_ = true;
    // Otherwise, the places drawn on since then, the one drawn on last, and how many lines and
    // circles were drawn.
    std::array<Place, mostPlaces> places_{};
    int placeCount_ = 0;
    int lastPlace_ = 0;
    int marksSinceTaken_ = 0;
};
