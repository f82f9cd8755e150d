// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/asset-generator/figure_painter.h"

#include "tools/asset-generator/noise.h"

#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <vector>

namespace zorvel::generator {

namespace {

// The palette shared by all nine pictures: the same man in the same clothes.
const QColor backgroundColour(247, 246, 242);
const QColor outlineColour(46, 36, 36);
const QColor skinColour(244, 198, 160);
const QColor cheekColour(236, 166, 140);
const QColor hairColour(104, 66, 38);
const QColor shirtColour(232, 128, 52);
const QColor shirtShadeColour(206, 102, 38);
const QColor trousersColour(58, 86, 148);
const QColor shoesColour(78, 50, 34);
constexpr double outlineWidth = 1.3;
constexpr double detailWidth = 0.9;
constexpr int largestGrain = 3; // largest deviation of the background from its colour

// Landmarks shared by every build, in the units of the on-screen box.
constexpr double centreX = shownWidth / 2;
constexpr double shoulderLineY = 32;
constexpr double beltY = 70;
constexpr double hemY = 72;
constexpr double crotchY = 82;
constexpr double kneeY = 99;
constexpr double ankleY = 117;

// The row of the belly's widest point: a heavier belly sits lower.
double bellyRow(const FigureBuild& b) { return 56.0 + 1.4 * b.bellySag; }

double collarHalfWidth(const FigureBuild& b) { return 3.0 + b.headHalfWidth * 0.25; }

QPointF onSide(double sign, double dx, double y) { return {centreX + sign * dx, y}; }

// A limb: a chain of joints drawn as a thick line with rounded joints.
struct Stroke {
    QPainterPath centreLine;
    double width;
    Qt::PenCapStyle cap;
};

Stroke limb(std::initializer_list<QPointF> joints, double width, Qt::PenCapStyle cap = Qt::RoundCap) {
    Stroke stroke{QPainterPath(), width, cap};
    auto joint = joints.begin();
    stroke.centreLine.moveTo(*joint);
    for (++joint; joint != joints.end(); ++joint)
        stroke.centreLine.lineTo(*joint);
    return stroke;
}

// Shapes and limbs of one colour drawn as a single piece: every outline first,
// then every fill over the inner half of the outlines, so no seams show where
// the pieces meet.
void drawPiece(QPainter& painter, const std::vector<QPainterPath>& shapes, const std::vector<Stroke>& strokes,
               const QColor& fill) {
    constexpr double outlinePass = 2 * outlineWidth; // half of it shows outside the fill
    for (const QPainterPath& shape : shapes)
        painter.strokePath(shape, QPen(outlineColour, outlinePass, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (const Stroke& stroke : strokes)
        painter.strokePath(stroke.centreLine,
                           QPen(outlineColour, stroke.width + outlinePass, Qt::SolidLine, stroke.cap, Qt::RoundJoin));
    for (const QPainterPath& shape : shapes)
        painter.fillPath(shape, fill);
    for (const Stroke& stroke : strokes)
        painter.strokePath(stroke.centreLine, QPen(fill, stroke.width, Qt::SolidLine, stroke.cap, Qt::RoundJoin));
}

QPainterPath ellipse(QPointF centre, double halfWidth, double halfHeight) {
    QPainterPath path;
    path.addEllipse(centre, halfWidth, halfHeight);
    return path;
}

QPainterPath mirrored(const QPainterPath& path) {
    return QTransform().translate(centreX, 0).scale(-1, 1).translate(-centreX, 0).map(path);
}

void drawPart(QPainter& painter, const QPainterPath& path, const QColor& fill) {
    painter.setPen(QPen(outlineColour, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(fill);
    painter.drawPath(path);
}

void drawLine(QPainter& painter, const QPainterPath& path, double width = detailWidth) {
    painter.setPen(QPen(outlineColour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
}

void fillShape(QPainter& painter, const QPainterPath& path, const QColor& fill) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawPath(path);
}

// Where the limbs bend, worked out from the build; index 0 is the man's right
// (the picture's left), index 1 his left.
struct Skeleton {
    QPointF shoulder[2], elbow[2], wrist[2];
    QPointF hip[2], knee[2], ankle[2];
    double footTilt[2];
    double headTop;
};

Skeleton skeletonOf(const FigureBuild& b) {
    Skeleton s{};
    s.headTop = 4.0 + 4.0 * b.stoop + 0.3 * b.bellySag; // heavy men have short necks
    const double droop = 3.0 * b.stoop;
    const double bellyY = bellyRow(b);
    for (int side = 0; side < 2; ++side) {
        const double sign = side == 0 ? -1.0 : 1.0;
        // The arms hang down the sides, pushed out by a belly wider than the shoulders.
        const double elbowOut = std::max(b.shoulderHalfWidth - 0.5, b.bellyHalfWidth * 0.97) + b.armWidth * 0.5;
        const double wristOut = std::max(b.hipHalfWidth + 0.5, b.bellyHalfWidth * 0.9) + b.armWidth * 0.55;
        // The shoulder joint sits low enough for the arm's rounded top to stay under the shirt.
        s.shoulder[side] =
            onSide(sign, b.shoulderHalfWidth - b.armWidth * 0.6, shoulderLineY + 2.5 + b.armWidth * 0.6 + droop);
        s.elbow[side] = onSide(sign, elbowOut, std::max(53.0, bellyY - 2.0));
        s.wrist[side] = onSide(sign, wristOut, 72.0 + 0.5 * b.bellySag);
        if (b.stoop > 0) {
            // A stooping man's arms hang limp, his hands close to his thighs.
            s.elbow[side] = onSide(sign, elbowOut - 0.8 * b.stoop, 54.0 + droop);
            s.wrist[side] = onSide(sign, wristOut - 1.0 * b.stoop, 74.0 + droop);
        }

        const double footApart = std::max(b.legWidth * 0.5 + 1.2, b.hipHalfWidth * 0.62);
        s.hip[side] = onSide(sign, b.hipHalfWidth - b.legWidth * 0.5 - 0.5, crotchY - 4.0);
        s.ankle[side] = onSide(sign, footApart, ankleY);
        // Weak knees bend a little outwards.
        s.knee[side] = onSide(sign, (footApart + b.hipHalfWidth - b.legWidth * 0.5) / 2 + 1.0 * b.stoop, kneeY);
    }
    if (b.stride > 0) {
        // His right leg planted ahead, the left pushing off behind with the heel
        // up; the arms swing against the legs.
        const double k = b.stride;
        s.knee[0] += QPointF(-4.0 * k, 0);
        s.ankle[0] += QPointF(-7.5 * k, 0);
        s.knee[1] += QPointF(5.0 * k, -2.0 * k);
        s.ankle[1] += QPointF(11.0 * k, -7.0 * k);
        s.footTilt[1] = 28.0 * k;
        s.elbow[0] += QPointF(-1.5 * k, -1.0 * k);
        s.wrist[0] += QPointF(-3.5 * k, -4.0 * k);
        s.elbow[1] += QPointF(1.0 * k, -2.0 * k);
        s.wrist[1] += QPointF(1.0 * k, -9.0 * k);
    }
    return s;
}

void paintLegs(QPainter& painter, const FigureBuild& b, const Skeleton& s) {
    QPainterPath trousers;
    trousers.addRoundedRect(QRectF(centreX - b.hipHalfWidth, beltY - 2, 2 * b.hipHalfWidth, crotchY - beltY + 2), 3, 3);
    std::vector<Stroke> legs;
    for (int side = 0; side < 2; ++side)
        legs.push_back(limb({s.hip[side], s.knee[side], s.ankle[side]}, b.legWidth, Qt::FlatCap));
    drawPiece(painter, {trousers}, legs, trousersColour);

    for (int side = 0; side < 2; ++side) {
        const double outward = side == 0 ? -1.0 : 1.0;
        painter.save();
        painter.translate(s.ankle[side] + QPointF(outward * 1.2, 2.6));
        painter.rotate(outward * s.footTilt[side]);
        QPainterPath shoe;
        const double halfLength = b.legWidth * 0.5 + 3.0;
        shoe.moveTo(-halfLength, 2.6);
        shoe.cubicTo(-halfLength - 0.5, -3.0, halfLength + 0.5, -3.0, halfLength, 2.6);
        shoe.closeSubpath();
        drawPart(painter, shoe, shoesColour);
        painter.restore();
    }
}

QPainterPath torsoOutline(const FigureBuild& b) {
    const double neckHalf = collarHalfWidth(b);
    const double shoulderY = shoulderLineY + 3.0 * b.stoop; // a stooping man's shoulders droop
    const double bellyY = bellyRow(b);
    const double hemDip = 1.5 + 1.2 * b.bellySag; // a heavy belly pulls the hem down

    QPainterPath half;
    half.moveTo(centreX, shoulderLineY);
    half.lineTo(centreX - neckHalf, shoulderLineY - 1);
    half.quadTo(centreX - b.shoulderHalfWidth + 2, shoulderY - 1, centreX - b.shoulderHalfWidth, shoulderY + 4);
    half.cubicTo(centreX - b.shoulderHalfWidth - 0.3, shoulderY + 12, centreX - b.bellyHalfWidth,
                 bellyY - 10 - b.bellySag, centreX - b.bellyHalfWidth, bellyY);
    half.cubicTo(centreX - b.bellyHalfWidth, bellyY + 6 + b.bellySag, centreX - b.hipHalfWidth - 0.5 * b.bellySag,
                 hemY + b.bellySag * 0.6, centreX - b.hipHalfWidth + 0.5, hemY);
    half.quadTo(centreX - b.hipHalfWidth * 0.5, hemY + hemDip, centreX, hemY + hemDip);
    half.closeSubpath();
    return half.united(mirrored(half)).simplified();
}

// The shirt: body and short sleeves in one piece, over the upper arms.
void paintShirt(QPainter& painter, const FigureBuild& b, const Skeleton& s) {
    const QPainterPath body = torsoOutline(b);
    std::vector<Stroke> sleeves;
    for (int side = 0; side < 2; ++side) {
        // Each sleeve starts inside the body, so only its open end shows.
        const QPointF sleeveStart = s.shoulder[side] + QPointF((side == 0 ? 1.0 : -1.0) * 2.0, 3.0);
        const QPointF sleeveEnd = s.shoulder[side] + (s.elbow[side] - s.shoulder[side]) * 0.6;
        sleeves.push_back(limb({sleeveStart, sleeveEnd}, b.armWidth + 2.6, Qt::FlatCap));
    }
    drawPiece(painter, {body}, sleeves, shirtColour);

    if (b.bellySag > 0) {
        // The round of a heavy belly: a shade along its underside and a crease.
        const double bellyY = bellyRow(b);
        QPainterPath lit =
            ellipse({centreX, bellyY - 2.5}, b.bellyHalfWidth * 0.93, hemY - bellyY + 1.5 + 0.6 * b.bellySag);
        QPainterPath lower;
        lower.addRect(QRectF(0, bellyY - 4, shownWidth, shownHeight));
        fillShape(painter, body.subtracted(lit).intersected(lower).simplified(), shirtShadeColour);
        QPainterPath navel;
        navel.moveTo(centreX - 1.2, bellyY + 2);
        navel.quadTo(centreX, bellyY + 3.2, centreX + 1.2, bellyY + 2);
        drawLine(painter, navel);
    }
    const double neckHalf = collarHalfWidth(b);
    QPainterPath collar;
    collar.moveTo(centreX - neckHalf, shoulderLineY - 1);
    collar.quadTo(centreX, shoulderLineY + 5, centreX + neckHalf, shoulderLineY - 1);
    drawLine(painter, collar);
}

void paintArms(QPainter& painter, const FigureBuild& b, const Skeleton& s) {
    for (int side = 0; side < 2; ++side)
        drawPiece(painter, {}, {limb({s.shoulder[side], s.elbow[side], s.wrist[side]}, b.armWidth)}, skinColour);
}

void paintHands(QPainter& painter, const FigureBuild& b, const Skeleton& s) {
    for (int side = 0; side < 2; ++side) {
        const QPointF forearm = s.wrist[side] - s.elbow[side];
        const double length = std::max(1.0, std::hypot(forearm.x(), forearm.y()));
        const QPointF hand = s.wrist[side] + forearm * (1.4 / length);
        drawPart(painter, ellipse(hand, b.armWidth * 0.5 + 1.1, b.armWidth * 0.5 + 1.5), skinColour);
    }
}

void paintHead(QPainter& painter, const FigureBuild& b, const Skeleton& s) {
    const double w = b.headHalfWidth;
    const double halfHeight = 9.6 + 0.15 * w;
    const QPointF centre(centreX, s.headTop + halfHeight);

    QPainterPath neck;
    const double neckHalf = 2.2 + w * 0.25 + 0.25 * b.bellySag;
    neck.addRect(QRectF(centreX - neckHalf, centre.y() + halfHeight - 4, 2 * neckHalf,
                        shoulderLineY + 6 - centre.y() - halfHeight));
    drawPart(painter, neck, skinColour);

    painter.save();
    // A stooping man hangs his head to one side.
    painter.translate(centre);
    painter.rotate(-9.0 * b.stoop);
    painter.translate(-centre);

    for (double side : {-1.0, 1.0})
        drawPart(painter, ellipse(centre + QPointF(side * w, 1.0), 2.0, 3.0), skinColour);
    drawPart(painter, ellipse(centre, w, halfHeight), skinColour);

    // Hair over the top of the head.
    QPainterPath top;
    top.addRect(QRectF(centreX - w - 2, centre.y() - halfHeight - 2, 2 * w + 4, halfHeight * 0.72 + 2));
    QPainterPath fringe;
    fringe.moveTo(centreX - w - 2, centre.y() - halfHeight * 0.28);
    fringe.quadTo(centreX - w * 0.2, centre.y() - halfHeight * 0.1, centreX + w * 0.3, centre.y() - halfHeight * 0.45);
    fringe.lineTo(centreX + w + 2, centre.y() - halfHeight * 0.28);
    fringe.lineTo(centreX + w + 2, centre.y() - halfHeight - 2);
    fringe.lineTo(centreX - w - 2, centre.y() - halfHeight - 2);
    fringe.closeSubpath();
    QPainterPath sideburns;
    for (double side : {-1.0, 1.0})
        sideburns.addRect(QRectF(centreX + side * (w + 1.0) - (side < 0 ? 0.0 : w * 0.2 + 1.0), centre.y() - halfHeight,
                                 w * 0.2 + 1.0, halfHeight - 1.0));
    const QPainterPath hair =
        ellipse(centre + QPointF(0, -0.5), w + 0.7, halfHeight + 0.7).intersected(top.united(fringe).united(sideburns));
    drawPart(painter, hair.simplified(), hairColour);

    // Features; a stooping man looks down, so his sit lower.
    const double eyeY = centre.y() + 0.8 + 1.6 * b.stoop;
    for (double side : {-1.0, 1.0}) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(outlineColour);
        painter.drawEllipse(QPointF(centreX + side * w * 0.38, eyeY), 1.05, 1.3);
        QPainterPath brow;
        brow.moveTo(centreX + side * w * 0.6, eyeY - 2.6 + 0.8 * b.stoop);
        brow.lineTo(centreX + side * w * 0.2, eyeY - 3.0);
        drawLine(painter, brow);
        if (w > 9.0) // round cheeks on a heavy man
            fillShape(painter, ellipse({centreX + side * w * 0.62, eyeY + 3.4}, w * 0.16, 1.3), cheekColour);
    }
    QPainterPath nose;
    nose.moveTo(centreX - 0.3, eyeY + 1.0);
    nose.quadTo(centreX + 1.6, eyeY + 3.4, centreX - 0.6, eyeY + 3.6);
    drawLine(painter, nose);

    const double mouthY = eyeY + 5.8;
    const double mouthHalf = w * 0.28;
    QPainterPath mouth;
    mouth.moveTo(centreX - mouthHalf, mouthY - 0.6 * b.smile);
    mouth.quadTo(centreX, mouthY + 1.8 * b.smile, centreX + mouthHalf, mouthY - 0.6 * b.smile);
    drawLine(painter, mouth, 1.0);

    // A heavy man's double chin.
    if (w > 9.0) {
        QPainterPath chin;
        const double chinHalf = (w - 9.0) * 1.4 + 2.5;
        chin.moveTo(centreX - chinHalf, centre.y() + halfHeight - 1.8);
        chin.quadTo(centreX, centre.y() + halfHeight + 0.2, centreX + chinHalf, centre.y() + halfHeight - 1.8);
        drawLine(painter, chin);
    }
    painter.restore();
}

void fillBackground(QImage& image, std::uint32_t noiseStart) {
    Noise noise(noiseStart);
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grain = noise.next(largestGrain);
            row[x] =
                qRgb(backgroundColour.red() + grain, backgroundColour.green() + grain, backgroundColour.blue() + grain);
        }
    }
}

} // namespace

QImage paintFigure(const FigureBuild& build) {
    QImage image(build.pictureSize, QImage::Format_RGB32);
    fillBackground(image, 0x9E3779B9u * static_cast<std::uint32_t>(build.pictureId));

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(image.width() / shownWidth, image.height() / shownHeight);

    const Skeleton skeleton = skeletonOf(build);
    paintLegs(painter, build, skeleton);
    // A stooping man's upper body leans from the hips.
    painter.translate(centreX, crotchY);
    painter.rotate(-5.0 * build.stoop);
    painter.translate(-centreX, -crotchY);
    paintArms(painter, build, skeleton);
    paintShirt(painter, build, skeleton);
    paintHands(painter, build, skeleton);
    paintHead(painter, build, skeleton);
    return image;
}

} // namespace zorvel::generator
