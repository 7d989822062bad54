#include "JpegCodec.h"

#include "Limits.h"

#include <QPainter>
#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <memory>

extern "C" {
#include <jpeglib.h>
}

namespace JpegCodec {

namespace {

// Real progressive pictures have about ten scans; thousands of tiny ones only cost time.
constexpr int MaxScans = 256;

// libjpeg reports fatal errors through error_exit, which must not return. It jumps back to the
// setjmp of the C-style function that called the library; those functions keep only plain data
// in their frames, so the jump skips no destructors.
struct TErrorManager {
    jpeg_error_mgr Base;
    std::jmp_buf Jump;
    char Message[JMSG_LENGTH_MAX];
};

void ErrorExit(j_common_ptr info) {
    auto *manager = reinterpret_cast<TErrorManager *>(info->err);
    (*info->err->format_message)(info, manager->Message);
    std::longjmp(manager->Jump, 1);
}

void OutputMessage(j_common_ptr) {} // warnings (e.g. premature end of data) are not printed

void CheckProgress(j_common_ptr info) {
    auto *d = reinterpret_cast<j_decompress_ptr>(info);
    if (info->is_decompressor && d->input_scan_number > MaxScans) {
        auto *manager = reinterpret_cast<TErrorManager *>(info->err);
        std::snprintf(manager->Message, sizeof manager->Message, "too many scans");
        std::longjmp(manager->Jump, 1);
    }
}

void InitErrors(TErrorManager *manager) {
    jpeg_std_error(&manager->Base);
    manager->Base.error_exit = ErrorExit;
    manager->Base.output_message = OutputMessage;
    manager->Message[0] = 0;
}

struct TDecoder {
    jpeg_decompress_struct Info;
    TErrorManager Errors;
    jpeg_progress_mgr Progress;
    bool Created = false;
    ~TDecoder() {
        if (Created)
            jpeg_destroy_decompress(&Info);
    }
};

bool ReadHeader(TDecoder *d, const unsigned char *data, unsigned long size) {
    d->Info.err = &d->Errors.Base;
    InitErrors(&d->Errors);
    if (setjmp(d->Errors.Jump))
        return false;
    jpeg_create_decompress(&d->Info);
    d->Created = true;
    d->Progress.progress_monitor = CheckProgress;
    d->Info.progress = &d->Progress;
    jpeg_mem_src(&d->Info, data, size);
    jpeg_read_header(&d->Info, TRUE);
    return true;
}

bool CalcOutput(TDecoder *d) {
    if (setjmp(d->Errors.Jump))
        return false;
    jpeg_calc_output_dimensions(&d->Info);
    return true;
}

bool DecodeRows(TDecoder *d, unsigned char *bits, long long bytesPerLine) {
    if (setjmp(d->Errors.Jump))
        return false;
    jpeg_start_decompress(&d->Info);
    while (d->Info.output_scanline < d->Info.output_height) {
        JSAMPROW row = bits + d->Info.output_scanline * bytesPerLine;
        jpeg_read_scanlines(&d->Info, &row, 1);
    }
    jpeg_finish_decompress(&d->Info);
    return true;
}

struct TEncoder {
    jpeg_compress_struct Info;
    TErrorManager Errors;
    jpeg_destination_mgr Destination;
    JOCTET Buffer[16384];
    QByteArray *Output = nullptr;
    bool Created = false;
    ~TEncoder() {
        if (Created)
            jpeg_destroy_compress(&Info);
    }
};

void InitDestination(j_compress_ptr info) {
    auto *e = static_cast<TEncoder *>(info->client_data);
    e->Destination.next_output_byte = e->Buffer;
    e->Destination.free_in_buffer = sizeof e->Buffer;
}

boolean EmptyBuffer(j_compress_ptr info) {
    auto *e = static_cast<TEncoder *>(info->client_data);
    e->Output->append(reinterpret_cast<const char *>(e->Buffer), sizeof e->Buffer);
    e->Destination.next_output_byte = e->Buffer;
    e->Destination.free_in_buffer = sizeof e->Buffer;
    return TRUE;
}

void TermDestination(j_compress_ptr info) {
    auto *e = static_cast<TEncoder *>(info->client_data);
    e->Output->append(reinterpret_cast<const char *>(e->Buffer),
                      qsizetype(sizeof e->Buffer - e->Destination.free_in_buffer));
}

bool EncodeRows(TEncoder *e, const unsigned char *bits, long long bytesPerLine, int width,
                int height, int quality) {
    e->Info.err = &e->Errors.Base;
    InitErrors(&e->Errors);
    if (setjmp(e->Errors.Jump))
        return false;
    jpeg_create_compress(&e->Info);
    e->Created = true;
    e->Info.client_data = e;
    e->Destination.init_destination = InitDestination;
    e->Destination.empty_output_buffer = EmptyBuffer;
    e->Destination.term_destination = TermDestination;
    e->Info.dest = &e->Destination;
    e->Info.image_width = JDIMENSION(width);
    e->Info.image_height = JDIMENSION(height);
    e->Info.input_components = 3;
    e->Info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&e->Info);
    jpeg_set_quality(&e->Info, quality, TRUE);
    jpeg_start_compress(&e->Info, TRUE);
    while (e->Info.next_scanline < e->Info.image_height) {
        JSAMPROW row = const_cast<unsigned char *>(bits) + e->Info.next_scanline * bytesPerLine;
        jpeg_write_scanlines(&e->Info, &row, 1);
    }
    jpeg_finish_compress(&e->Info);
    return true;
}

void SetError(QString *error, const char *message) {
    if (error)
        *error = QString::fromLocal8Bit(message);
}

} // namespace

bool ReadSize(const QByteArray &data, QSize *size, QString *error) {
    auto decoder = std::make_unique<TDecoder>();
    if (!ReadHeader(decoder.get(), reinterpret_cast<const unsigned char *>(data.constData()),
                    (unsigned long)data.size())) {
        SetError(error, decoder->Errors.Message);
        return false;
    }
    if (size)
        *size = QSize(int(decoder->Info.image_width), int(decoder->Info.image_height));
    return true;
}

QImage Decode(const QByteArray &data, QString *error, QSize fit) {
    auto decoder = std::make_unique<TDecoder>();
    if (!ReadHeader(decoder.get(), reinterpret_cast<const unsigned char *>(data.constData()),
                    (unsigned long)data.size())) {
        SetError(error, decoder->Errors.Message);
        return QImage();
    }
    jpeg_decompress_struct &info = decoder->Info;
    const long long width = info.image_width, height = info.image_height;
    if (width < 1 || height < 1 || width > Limits::MaxPictureSide ||
        height > Limits::MaxPictureSide || width * height > Limits::MaxJpegPixels) {
        SetError(error, "JPEG picture is too large");
        return QImage();
    }
    // The library's DCT scaling decodes a large photograph at 1/2, 1/4 or 1/8 of its size in a
    // fraction of the time and memory; the smallest scale still at least `fit` is used.
    if (fit.width() > 0 && fit.height() > 0) {
        unsigned denom = 1;
        while (denom < 8 && width / (denom * 2) >= fit.width() &&
               height / (denom * 2) >= fit.height())
            denom *= 2;
        info.scale_num = 1;
        info.scale_denom = denom;
    }
    QImage::Format format = QImage::Format_RGB888;
    if (info.num_components == 1) {
        info.out_color_space = JCS_GRAYSCALE;
        format = QImage::Format_Grayscale8;
    } else if (info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK) {
        info.out_color_space = JCS_CMYK;
        format = QImage::Format_RGB32;
    } else {
        info.out_color_space = JCS_RGB;
    }
    if (!CalcOutput(decoder.get())) {
        SetError(error, decoder->Errors.Message);
        return QImage();
    }
    QImage image(int(info.output_width), int(info.output_height), format);
    if (image.isNull()) {
        SetError(error, "not enough memory for the JPEG picture");
        return QImage();
    }
    if (!DecodeRows(decoder.get(), image.bits(), image.bytesPerLine())) {
        SetError(error, decoder->Errors.Message);
        return QImage();
    }
    if (info.out_color_space == JCS_CMYK) {
        // Adobe writes inverted CMYK; each byte is already "amount of white" per channel.
        for (int y = 0; y < image.height(); ++y) {
            uchar *p = image.scanLine(y);
            QRgb *out = reinterpret_cast<QRgb *>(p);
            for (int x = 0; x < image.width(); ++x) {
                const int c = p[4 * x], m = p[4 * x + 1], yy = p[4 * x + 2], k = p[4 * x + 3];
                out[x] = qRgb(c * k / 255, m * k / 255, yy * k / 255);
            }
        }
    }
    return image;
}

QByteArray Encode(const QImage &image, int quality, QString *error) {
    if (image.isNull()) {
        SetError(error, "no picture to compress");
        return QByteArray();
    }
    QImage rgb = image;
    if (rgb.hasAlphaChannel()) {
        QImage flat(rgb.size(), QImage::Format_RGB32);
        flat.fill(Qt::white);
        QPainter painter(&flat);
        painter.drawImage(0, 0, rgb);
        painter.end();
        rgb = flat;
    }
    rgb = rgb.convertToFormat(QImage::Format_RGB888);
    QByteArray output;
    auto encoder = std::make_unique<TEncoder>();
    encoder->Output = &output;
    if (!EncodeRows(encoder.get(), rgb.constBits(), rgb.bytesPerLine(), rgb.width(), rgb.height(),
                    std::clamp(quality, 1, 100))) {
        SetError(error, encoder->Errors.Message);
        return QByteArray();
    }
    return output;
}

} // namespace JpegCodec
