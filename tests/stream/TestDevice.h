#pragma once

#include <QIODevice>
#include <cstring>

// A sequential device that hands out `input` and accepts at most `writeLimit` bytes before its
// writes fail, like a full disk or a broken pipe.
class TTestDevice : public QIODevice {
public:
    explicit TTestDevice(QByteArray input = {}, qint64 writeLimit = -1)
        : FInput(std::move(input))
        , FWriteLimit(writeLimit) {}

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override {
        return FInput.size() - FRead + QIODevice::bytesAvailable();
    }
    const QByteArray &Written() const { return FWritten; }

protected:
    qint64 readData(char *data, qint64 maxSize) override {
        const qint64 n = qMin(maxSize, FInput.size() - FRead);
        if (n > 0)
            memcpy(data, FInput.constData() + FRead, size_t(n));
        FRead += n;
        return n;
    }
    qint64 writeData(const char *data, qint64 size) override {
        if (FWriteLimit >= 0 && FWritten.size() + size > FWriteLimit) {
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        FWritten.append(data, size);
        return size;
    }

private:
    QByteArray FInput;
    qint64 FRead = 0;
    qint64 FWriteLimit;
    QByteArray FWritten;
};
