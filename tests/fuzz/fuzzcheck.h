// Shared by the fuzz targets: the input as a datagram, and a check that stops the run on a broken
// promise so that the fuzzer keeps the input that broke it.
#pragma once

#include <QByteArray>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// The fuzzer's bytes as a datagram, without a copy: reading past the end touches memory the fuzzer
// did not give, which AddressSanitizer reports.
inline QByteArray datagram(const uint8_t *data, size_t size) {
    return QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
}

#define FUZZ_CHECK(condition)                                                                                \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);               \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (0)
