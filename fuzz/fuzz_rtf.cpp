// Feeds the note pads' RTF reader whatever bytes a damaged or foreign note file can hold,
// and checks that what it read survives our writer: reading the written file again gives
// the same text, read whole, and writing that gives the same file.
//
// Build with clang only; it is not part of the normal build (ctest replays fuzz/seeds-rtf
// through the same checks in tests/notebook/tst_Rtf.cpp):
//   cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
//         -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMIRAVELA_FUZZ=ON \
//         -DMIRAVELA_TESTS=OFF -DMIRAVELA_BENCH=OFF
//   ninja -C build-fuzz fuzz_rtf
// Run (one process, the machine is shared):
//   mkdir -p build-fuzz/corpus-rtf build-fuzz/artifacts
//   build-fuzz/fuzz/fuzz_rtf -max_len=8192 -max_total_time=900 -timeout=10 \
//       -artifact_prefix=build-fuzz/artifacts/ build-fuzz/corpus-rtf fuzz/seeds-rtf
// A broken check prints what broke and aborts; the input lands in build-fuzz/artifacts/.

#include "notebook/RtfReader.h"
#include "notebook/RtfWriter.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QTextDocument>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "check failed: %s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // Text documents need fonts, and fonts need a GUI application.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_rtf";
    static char *argv[] = { name, nullptr };
    static QGuiApplication application(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(
        reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    QTextDocument read;
    RtfReader::read(bytes, read);
    const QByteArray written = RtfWriter::write(read);
    if (!RtfReader::isRtf(written))
        fail("the writer wrote no RTF");

    QTextDocument reread;
    if (!RtfReader::read(written, reread))
        fail("our own file was read as damaged");
    if (reread.toRawText() != read.toRawText())
        fail("the text changed on the way through the writer");
    if (RtfWriter::write(reread) != written)
        fail("the written file changed on the second pass");
    return 0;
}
