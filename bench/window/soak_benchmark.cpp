// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Memory over many presses of "Calcola" through the real widgets, good and bad inputs
// alternating, each failure message closed with Return or Esc as a user closes it.
// Prints the memory at the start, after the first 1,000 presses, the middle and the
// end, and the growth from the 1,000th press on: memory that keeps growing shows as a
// rising middle and end. Beside the resident set, where the C library can say so, what
// is allocated and not yet freed, and what the allocator's arenas of the threads other
// than the main one hold: resident memory that grows while the allocated does not is
// the allocator's keeping, not something held per press. Not a test: run it and read it.
//
//     soak_benchmark [calculations [good|bad]]   (30000, alternating, unless given)
#include "window/main_window.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <unistd.h>

// What the allocator holds, where it can say so: malloc_info and mallinfo2 (glibc 2.33).
#if defined(__GLIBC__) && (__GLIBC__ > 2 || __GLIBC_MINOR__ >= 33)
#define ZORVEL_ALLOCATOR_FIGURES 1
#include <malloc.h>
#endif

namespace {

struct Inputs {
    const char* weight;
    const char* height;
};

// Good ones succeed, bad ones fail on each box and for each reason the message names.
constexpr Inputs goodInputs[] = {{"70", "175"}, {"55", "190"}, {"170", "1,75"}, {"72.5", "1.78"}};
constexpr Inputs badInputs[] = {{"abc", "175"}, {"70", "0"}, {"-70", "175"}, {"70", "alto"}, {"1E400", "175"}};

constexpr double megabyte = 1024.0 * 1024.0;

// In MB; empty where the C library cannot say.
struct Memory {
    double resident = 0;
    std::optional<double> allocated;   // by every thread, not yet freed (the allocator's per-thread caches counted in)
    std::optional<double> otherArenas; // what the other threads' arenas hold from the system
};

double residentMegabytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / megabyte;
}

#if defined(ZORVEL_ALLOCATOR_FIGURES)
// malloc_info reports each arena as a <heap nr="N"> element, the main thread's first
// (nr="0"), with what it holds from the system in its <system type="current" size=...>.
// A thread other than the main one allocates from an arena of its own: Qt's X event
// reader allocates the events the main thread frees.
std::optional<double> otherArenasMegabytes() {
    char* text = nullptr;
    std::size_t size = 0;
    FILE* report = open_memstream(&text, &size);
    if (!report) {
        return std::nullopt;
    }
    malloc_info(0, report);
    std::fclose(report);
    const std::string xml(text, size);
    std::free(text);
    const std::string current = "<system type=\"current\" size=\"";
    double bytes = 0;
    for (std::size_t heap = xml.find("<heap nr=\"1\""); heap != std::string::npos;
         heap = xml.find("<heap nr=", heap + 1)) {
        const std::size_t held = xml.find(current, heap);
        if (held == std::string::npos) {
            return std::nullopt;
        }
        bytes += std::strtod(xml.c_str() + held + current.size(), nullptr);
    }
    return bytes / megabyte;
}
#endif

Memory memoryNow() {
    Memory memory;
    memory.resident = residentMegabytes();
#if defined(ZORVEL_ALLOCATOR_FIGURES)
    const struct mallinfo2 allocator = mallinfo2();
    memory.allocated = static_cast<double>(allocator.uordblks + allocator.hblkhd) / megabyte;
    memory.otherArenas = otherArenasMegabytes();
#endif
    return memory;
}

void printFigure(std::optional<double> megabytes) {
    if (megabytes) {
        std::printf(" %9.2f", *megabytes);
    } else {
        std::printf(" %9s", "-");
    }
}

void printMemory(const char* when, const Memory& memory) {
    std::printf("  %-7s", when);
    printFigure(memory.resident);
    printFigure(memory.allocated);
    printFigure(memory.otherArenas);
}

Memory growth(const Memory& from, const Memory& to) {
    const auto difference = [](std::optional<double> before, std::optional<double> after) {
        return before && after ? std::optional(*after - *before) : std::nullopt;
    };
    return {to.resident - from.resident, difference(from.allocated, to.allocated),
            difference(from.otherArenas, to.otherArenas)};
}

template <typename Widget>
Widget* control(const QWidget& window, const char* name) {
    auto* widget = window.findChild<Widget*>(QString::fromLatin1(name));
    if (!widget) {
        std::fprintf(stderr, "no control %s\n", name);
        std::exit(2);
    }
    return widget;
}

// Lets the window repaint and Qt delete what it was asked to delete.
void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

// Presses after which memory should no longer grow: whatever a first use loads is loaded.
constexpr int warmedUp = 1000;

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const int calculations = argc > 1 ? std::atoi(argv[1]) : 30000;
    // Only good or only bad inputs tell which of the two any growth comes from.
    const QByteArray only = argc > 2 ? QByteArray(argv[2]) : QByteArray();
    if (calculations <= warmedUp || (!only.isEmpty() && only != "good" && only != "bad")) {
        std::fprintf(stderr, "usage: soak_benchmark [calculations > %d [good|bad]]\n", warmedUp);
        return 2;
    }

    zorvel::MainWindow window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fprintf(stderr, "the window did not show\n");
        return 2;
    }
    auto* peso = control<QLineEdit>(window, "peso");
    auto* altezza = control<QLineEdit>(window, "altezza");
    auto* command1 = control<QPushButton>(window, "Command1");

    // A few rounds first, so that the start figure includes what any first use loads.
    int failures = 0;
    auto calculate = [&](int round) {
        const bool good = only.isEmpty() ? round % 2 == 0 : only == "good";
        const Inputs& inputs =
            good ? goodInputs[(round / 2) % std::size(goodInputs)] : badInputs[(round / 2) % std::size(badInputs)];
        peso->setText(QString::fromLatin1(inputs.weight));
        altezza->setText(QString::fromLatin1(inputs.height));
        QTest::mouseClick(command1, Qt::LeftButton);
        settle();
        if (!good) {
            const QPointer<QWidget> message = QApplication::activeModalWidget();
            if (!qobject_cast<QMessageBox*>(message)) {
                std::fprintf(stderr, "round %d: no failure message for %s, %s\n", round, inputs.weight, inputs.height);
                std::exit(1);
            }
            // To the message's window, the way the window system delivers a key press:
            // sent to a widget directly, QTest's key events themselves cost memory.
            QTest::keyClick(message->windowHandle(), (round / 2) % 2 == 0 ? Qt::Key_Return : Qt::Key_Escape);
            settle();
            if (message && message->isVisible()) {
                std::fprintf(stderr, "round %d: the key did not close the message\n", round);
                std::exit(1);
            }
            ++failures;
        }
    };
    for (int round = 0; round < 20; ++round) {
        calculate(round);
    }
    const int failuresBefore = failures;

    std::printf("%d calculations, %s (%s platform), memory in MB:\n", calculations,
                only.isEmpty()   ? "good and bad alternating"
                : only == "good" ? "good only"
                                 : "bad only",
                qPrintable(QGuiApplication::platformName()));
    std::printf("           resident allocated  other threads' arenas\n");
    printMemory("start", memoryNow());
    std::printf("\n");
    std::fflush(stdout);
    Memory warm;
    for (int round = 0; round < calculations; ++round) {
        calculate(round);
        if (round == warmedUp - 1) {
            warm = memoryNow();
            printMemory("warm", warm);
            std::printf("  after %d\n", warmedUp);
            std::fflush(stdout);
        }
        if (round == calculations / 2 - 1) {
            printMemory("middle", memoryNow());
            std::printf("  after %d\n", calculations / 2);
            std::fflush(stdout);
        }
    }
    const Memory end = memoryNow();
    printMemory("end", end);
    std::printf("  after %d, %d of them failures\n", calculations, failures - failuresBefore);
    const Memory grown = growth(warm, end);
    printMemory("growth", grown);
    std::printf("  over the last %d presses; resident %.1f bytes a press\n", calculations - warmedUp,
                grown.resident * megabyte / (calculations - warmedUp));
    return 0;
}
