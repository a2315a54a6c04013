#include "shell/picture.h"

#include "shell/accessibility.h"

#include <QFile>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

PictureError::PictureError(const QString& message)
    : std::runtime_error(message.toStdString()), message_(message)
{
}

namespace {

struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

[[noreturn]] void errorExit(j_common_ptr cinfo)
{
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    std::longjmp(err->jump, 1);
}

void quietMessage(j_common_ptr) {}

// Plain C-style decoding: nothing with a destructor lives between setjmp and longjmp.
// Returns 0 on success, otherwise the libjpeg message code; out receives RGB rows.
int decode(std::FILE* file, unsigned char** pixels, int* width, int* height)
{
    jpeg_decompress_struct cinfo;
    ErrorManager err;
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = errorExit;
    err.pub.output_message = quietMessage;
    *pixels = nullptr;
    if (setjmp(err.jump)) {
        const int code = err.pub.msg_code;
        jpeg_destroy_decompress(&cinfo);
        std::free(*pixels);
        *pixels = nullptr;
        return code == 0 ? -1 : code;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_stdio_src(&cinfo, file);
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    *width = static_cast<int>(cinfo.output_width);
    *height = static_cast<int>(cinfo.output_height);
    const std::size_t stride = static_cast<std::size_t>(*width) * 3;
    *pixels = static_cast<unsigned char*>(std::malloc(stride * static_cast<std::size_t>(*height)));
    if (!*pixels)
        return -1;
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = *pixels + stride * cinfo.output_scanline;
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return 0;
}

} // namespace

QImage loadJpeg(const QString& path)
{
    std::FILE* file = std::fopen(QFile::encodeName(path).constData(), "rb");
    if (!file)
        throw PictureError(QStringLiteral("Cannot open file %1.").arg(path));
    unsigned char* pixels = nullptr;
    int width = 0, height = 0;
    const int code = decode(file, &pixels, &width, &height);
    std::fclose(file);
    if (code != 0)
        throw PictureError(QStringLiteral("JPEG error #%1").arg(code));
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        const unsigned char* src = pixels + static_cast<std::size_t>(y) * width * 3;
        auto* dst = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            dst[x] = qRgb(src[3 * x], src[3 * x + 1], src[3 * x + 2]);
    }
    std::free(pixels);
    return image;
}

PictureBox::PictureBox(QWidget* parent) : QWidget(parent)
{
    installAccessibility();
    setFocusPolicy(Qt::NoFocus);
}

bool PictureBox::isPressable() const
{
    return isSignalConnected(QMetaMethod::fromSignal(&PictureBox::clicked));
}

void PictureBox::setImage(const QImage& image)
{
    image_ = image;
    fileName_.clear();
    update();
}

void PictureBox::load(const QString& path)
{
    image_ = loadJpeg(path);
    fileName_ = path;
    update();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (!image_.isNull()) {
        const QPoint at((width() - image_.width()) / 2, (height() - image_.height()) / 2);
        p.drawImage(at, image_);
    }
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &p, this);
    }
}

void PictureBox::mousePressEvent(QMouseEvent* e)
{
    e->accept();
}

void PictureBox::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        emit clicked();
}

void PictureBox::keyPressEvent(QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit clicked();
        break;
    default:
        QWidget::keyPressEvent(e);
    }
}
