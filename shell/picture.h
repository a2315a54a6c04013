#pragma once
#include <QImage>
#include <QString>
#include <QWidget>
#include <stdexcept>

// A picture file that cannot be opened or decoded. The message is what the error box shows:
// "Cannot open file paveikslai/images7.jpg." or "JPEG error #53".
class PictureError : public std::runtime_error {
public:
    explicit PictureError(const QString& message);
    QString message() const { return message_; }

private:
    QString message_;
};

// Decodes a JPEG file with libjpeg. The path is used as given (relative paths resolve against
// the working directory). Throws PictureError.
QImage loadJpeg(const QString& path);

// A picture box: draws its picture at the picture's own size, centred and clipped, never scaled.
// A click (mouse release inside the box, or Space/Enter while it has the focus) emits clicked().
// A box that reacts to clicks is a push button to a screen reader, which can press it.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent);

    void setImage(const QImage& image);
    const QImage& image() const { return image_; }

    // Loads a JPEG file into the box; on failure the previous picture stays and PictureError is thrown.
    void load(const QString& path);
    // The file last loaded successfully, empty when the picture came from elsewhere.
    QString fileName() const { return fileName_; }

    // Whether anything reacts to a click of the box.
    bool isPressable() const;
    // Clicks the box as the pupil would.
    void click() { emit clicked(); }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void keyPressEvent(QKeyEvent*) override;

private:
    QImage image_;
    QString fileName_;
};
