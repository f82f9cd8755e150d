#include "assets/generator/figure_painter.h"

#include "assets/generator/noise.h"

#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>

#include <algorithm>
#include <cmath>

namespace zorvel::generator {

namespace {

// The palette shared by all nine pictures: the same man in the same clothes.
const QColor kBackground(247, 246, 242);
const QColor kOutline(46, 36, 36);
const QColor kSkin(244, 198, 160);
const QColor kHair(104, 66, 38);
const QColor kShirt(232, 128, 52);
const QColor kShirtShade(204, 104, 40);
const QColor kTrousers(58, 86, 148);
const QColor kShoes(78, 50, 34);
constexpr double kOutlineWidth = 1.3;
constexpr int kGrain = 3; // largest deviation of the background from its colour

constexpr double kCentreX = kShownWidth / 2;
constexpr double kShoulderY = 32;
constexpr double kBeltY = 70;
constexpr double kCrotchY = 82;
constexpr double kAnkleY = 117;

// One limb: a chain of joints, drawn as a thick round-jointed line.
QPainterPath limb(std::initializer_list<QPointF> joints, double width)
{
    QPainterPath centreLine;
    auto joint = joints.begin();
    centreLine.moveTo(*joint);
    for (++joint; joint != joints.end(); ++joint)
        centreLine.lineTo(*joint);
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(centreLine).simplified();
}

QPainterPath ellipse(QPointF centre, double halfWidth, double halfHeight)
{
    QPainterPath path;
    path.addEllipse(centre, halfWidth, halfHeight);
    return path;
}

QPainterPath mirrored(const QPainterPath& path)
{
    QTransform flip;
    flip.translate(kCentreX, 0);
    flip.scale(-1, 1);
    flip.translate(-kCentreX, 0);
    return flip.map(path);
}

void drawPart(QPainter& painter, const QPainterPath& path, const QColor& fill)
{
    painter.setPen(QPen(kOutline, kOutlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(fill);
    painter.drawPath(path);
}

void drawLine(QPainter& painter, const QPainterPath& path, double width = kOutlineWidth)
{
    painter.setPen(QPen(kOutline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
}

// Where the limbs bend, worked out from the build.
struct Skeleton {
    QPointF shoulder[2], elbow[2], wrist[2];
    QPointF hip[2], knee[2], ankle[2];
    double footTilt[2];
    double headTop;
    double neckTop;
};

Skeleton skeletonOf(const FigureBuild& b)
{
    Skeleton s{};
    const double droop = 3.0 * b.stoop;
    s.headTop = 4.0 + 6.0 * b.stoop;
    s.neckTop = s.headTop + 20.0;
    for (int side = 0; side < 2; ++side) {
        const double sign = side == 0 ? -1.0 : 1.0;
        auto at = [sign](double dx, double y) { return QPointF(kCentreX + sign * dx, y); };

        const double armReach = std::max(b.shoulderHalfWidth, b.bellyHalfWidth * 0.92) + b.armWidth * 0.55;
        s.shoulder[side] = at(b.shoulderHalfWidth - b.armWidth * 0.5, kShoulderY + 3.5 + droop);
        s.elbow[side] = at(armReach + 0.5, 53.0 + b.bellySag * 0.3);
        s.wrist[side] = at(std::max(b.hipHalfWidth, b.bellyHalfWidth * 0.85) + b.armWidth * 0.6 + 1.0,
                           72.0 + b.bellySag * 0.4);
        // A stooping man's arms hang forward, his hands in front of his thighs.
        s.elbow[side] = at(armReach - 1.5 * b.stoop, 54.0 + droop);
        if (b.stoop > 0)
            s.wrist[side] = at(b.hipHalfWidth * (1.0 - 0.35 * b.stoop) + b.armWidth * 0.5, 75.0);

        s.hip[side] = at(b.hipHalfWidth - b.legWidth * 0.5 - 0.5, kCrotchY - 4.0);
        const double footApart = std::max(b.legWidth * 0.5 + 1.2, b.hipHalfWidth * 0.62);
        s.ankle[side] = at(footApart, kAnkleY);
        s.knee[side] = at((footApart + b.hipHalfWidth - b.legWidth * 0.5) / 2 + 0.6 * b.stoop, 99.0);
        s.footTilt[side] = 0;
    }
    if (b.stride > 0) {
        // Left leg planted ahead, right leg pushing off behind with the heel up;
        // the arms swing the other way.
        const double k = b.stride;
        s.knee[0] += QPointF(-4.0 * k, 0);
        s.ankle[0] += QPointF(-7.0 * k, 0);
        s.knee[1] += QPointF(5.0 * k, -2.0 * k);
        s.ankle[1] += QPointF(11.0 * k, -7.0 * k);
        s.footTilt[1] = 25.0 * k;
        s.elbow[0] += QPointF(-3.0 * k, -1.0 * k);
        s.wrist[0] += QPointF(-8.0 * k, -5.0 * k);
        s.elbow[1] += QPointF(2.0 * k, -2.0 * k);
        s.wrist[1] += QPointF(-4.0 * k, -12.0 * k);
    }
    return s;
}

void paintLegs(QPainter& painter, const FigureBuild& b, const Skeleton& s)
{
    QPainterPath trousers;
    trousers.addRoundedRect(QRectF(kCentreX - b.hipHalfWidth, kBeltY - 2, 2 * b.hipHalfWidth, kCrotchY - kBeltY + 4), 3, 3);
    for (int side = 0; side < 2; ++side)
        trousers = trousers.united(limb({s.hip[side], s.knee[side], s.ankle[side]}, b.legWidth));
    drawPart(painter, trousers.simplified(), kTrousers);

    for (int side = 0; side < 2; ++side) {
        const double outward = side == 0 ? -1.0 : 1.0;
        painter.save();
        painter.translate(s.ankle[side] + QPointF(outward * 1.5, 3.0));
        painter.rotate(outward * s.footTilt[side]);
        drawPart(painter, ellipse({0, 0}, b.legWidth * 0.5 + 3.2, 3.2), kShoes);
        painter.restore();
    }
}

QPainterPath torsoOutline(const FigureBuild& b)
{
    const double neckHalf = 3.0 + b.headHalfWidth * 0.25;
    const double hemY = kBeltY + 2.0;
    const double bellyY = 56.0 + b.bellySag;
    // A stooping man's back rises behind his sunk head.
    const double hunch = 5.0 * b.stoop;
    const double shoulderY = kShoulderY + 3.0 * b.stoop;

    QPainterPath half;
    half.moveTo(kCentreX, kShoulderY - hunch);
    half.lineTo(kCentreX - neckHalf, kShoulderY - 1 - hunch);
    half.quadTo(kCentreX - b.shoulderHalfWidth + 2, shoulderY - 1, kCentreX - b.shoulderHalfWidth, shoulderY + 4);
    half.cubicTo(kCentreX - b.shoulderHalfWidth - 0.5, shoulderY + 12,
                 kCentreX - b.bellyHalfWidth, bellyY - 12,
                 kCentreX - b.bellyHalfWidth, bellyY);
    half.cubicTo(kCentreX - b.bellyHalfWidth, bellyY + 8 + b.bellySag,
                 kCentreX - b.hipHalfWidth - 1, hemY - 3,
                 kCentreX - b.hipHalfWidth + 0.5, hemY);
    half.quadTo(kCentreX - b.hipHalfWidth * 0.5, hemY + 1.5 + b.bellySag, kCentreX, hemY + 1.5 + b.bellySag);
    half.closeSubpath();
    return half.united(mirrored(half)).simplified();
}

void paintTorso(QPainter& painter, const FigureBuild& b)
{
    const QPainterPath torso = torsoOutline(b);
    drawPart(painter, torso, kShirt);

    // The round of a heavy belly: a shade under it and the strained hem line.
    if (b.bellySag > 0) {
        painter.save();
        painter.setClipPath(torso);
        painter.setPen(Qt::NoPen);
        painter.setBrush(kShirtShade);
        const double bellyY = 56.0 + b.bellySag;
        painter.drawPath(ellipse({kCentreX, bellyY + 16 + b.bellySag}, b.bellyHalfWidth * 0.95, 10 + b.bellySag));
        painter.restore();
        QPainterPath curve;
        curve.moveTo(kCentreX - b.bellyHalfWidth * 0.55, bellyY + 4);
        curve.quadTo(kCentreX, bellyY + 8 + b.bellySag, kCentreX + b.bellyHalfWidth * 0.55, bellyY + 4);
        drawLine(painter, curve, 1.0);
    }
    // Collar.
    const double neckHalf = 3.0 + b.headHalfWidth * 0.25;
    QPainterPath collar;
    collar.moveTo(kCentreX - neckHalf, kShoulderY - 1 - 5.0 * b.stoop);
    collar.quadTo(kCentreX, kShoulderY + 5 - 5.0 * b.stoop, kCentreX + neckHalf, kShoulderY - 1 - 5.0 * b.stoop);
    drawLine(painter, collar, 1.0);
}

void paintArms(QPainter& painter, const FigureBuild& b, const Skeleton& s)
{
    for (int side = 0; side < 2; ++side) {
        drawPart(painter, limb({s.shoulder[side], s.elbow[side], s.wrist[side]}, b.armWidth), kSkin);
        // A short sleeve over the upper arm.
        const QPointF sleeveEnd = s.shoulder[side] + (s.elbow[side] - s.shoulder[side]) * 0.55;
        drawPart(painter, limb({s.shoulder[side], sleeveEnd}, b.armWidth + 2.4), kShirt);
        const QPointF hand = s.wrist[side] + (s.wrist[side] - s.elbow[side]) * (1.6 / std::max(1.0, std::hypot(
            s.wrist[side].x() - s.elbow[side].x(), s.wrist[side].y() - s.elbow[side].y())));
        drawPart(painter, ellipse(hand, b.armWidth * 0.5 + 1.2, b.armWidth * 0.5 + 1.6), kSkin);
    }
}

void paintHead(QPainter& painter, const FigureBuild& b, const Skeleton& s)
{
    const double halfHeight = 10.0 + 0.15 * b.headHalfWidth;
    const QPointF centre(kCentreX, s.headTop + halfHeight);
    const double w = b.headHalfWidth;

    // Neck, then ears, then the face over them.
    QPainterPath neck;
    const double neckHalf = 2.2 + w * 0.25;
    neck.addRect(QRectF(kCentreX - neckHalf, centre.y() + halfHeight - 4, 2 * neckHalf, kShoulderY + 2 - centre.y() - halfHeight + 4));
    drawPart(painter, neck, kSkin);
    for (double side : {-1.0, 1.0})
        drawPart(painter, ellipse(centre + QPointF(side * w, 1.0), 2.0, 3.0), kSkin);
    const QPainterPath face = ellipse(centre, w, halfHeight);
    drawPart(painter, face, kSkin);

    // Hair: the top of the head, with a parting fringe.
    QPainterPath cap;
    cap.addRect(QRectF(kCentreX - w - 2, centre.y() - halfHeight - 2, 2 * w + 4, halfHeight * 0.75 + 2));
    QPainterPath hair = ellipse(centre + QPointF(0, -0.6), w + 0.6, halfHeight + 0.6).intersected(cap);
    drawPart(painter, hair.simplified(), kHair);

    // A man who stoops looks down: his features sit lower.
    const double look = 2.0 * b.stoop;
    const double eyeY = centre.y() + 0.5 + look;
    painter.setPen(Qt::NoPen);
    painter.setBrush(kOutline);
    for (double side : {-1.0, 1.0}) {
        painter.drawEllipse(QPointF(kCentreX + side * w * 0.4, eyeY), 1.1, 1.3);
        QPainterPath brow;
        brow.moveTo(kCentreX + side * w * 0.58, eyeY - 2.6 + 0.6 * b.stoop);
        brow.lineTo(kCentreX + side * w * 0.2, eyeY - 3.0);
        drawLine(painter, brow, 0.9);
    }
    QPainterPath nose;
    nose.moveTo(kCentreX - 0.5, eyeY + 1.0);
    nose.quadTo(kCentreX + 1.8, eyeY + 3.6, kCentreX - 0.6, eyeY + 3.8);
    drawLine(painter, nose, 0.9);

    const double mouthY = eyeY + 6.0;
    const double mouthHalf = w * 0.3;
    QPainterPath mouth;
    mouth.moveTo(kCentreX - mouthHalf, mouthY);
    mouth.quadTo(kCentreX, mouthY + 2.4 * b.smile, kCentreX + mouthHalf, mouthY);
    drawLine(painter, mouth, 1.0);

    // Heavy men get a double chin.
    if (w > 9.0) {
        QPainterPath chin;
        const double chinHalf = (w - 9.0) * 1.6 + 2.0;
        chin.moveTo(kCentreX - chinHalf, centre.y() + halfHeight - 1.6);
        chin.quadTo(kCentreX, centre.y() + halfHeight + 0.6, kCentreX + chinHalf, centre.y() + halfHeight - 1.6);
        drawLine(painter, chin, 0.9);
    }
}

void fillBackground(QImage& image, std::uint32_t noiseStart)
{
    Noise noise(noiseStart);
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grain = noise.next(kGrain);
            row[x] = qRgb(kBackground.red() + grain, kBackground.green() + grain, kBackground.blue() + grain);
        }
    }
}

} // namespace

QImage paintFigure(const FigureBuild& build)
{
    QImage image(build.pictureSize, QImage::Format_RGB32);
    fillBackground(image, 0x9E3779B9u * static_cast<std::uint32_t>(build.pictureId));

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(image.width() / kShownWidth, image.height() / kShownHeight);

    const Skeleton skeleton = skeletonOf(build);
    paintLegs(painter, build, skeleton);
    paintTorso(painter, build);
    paintArms(painter, build, skeleton);
    paintHead(painter, build, skeleton);
    return image;
}

} // namespace zorvel::generator
