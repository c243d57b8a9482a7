#!/usr/bin/python3
"""Runs the program's start-up, the stock-widget window's and the label-and-button window's under callgrind
and prints where their instructions go: the main items of each, inclusive.

Usage: profile.py BUILD_FOLDER [--markdown]
"""
import os
import re
import subprocess
import sys
import tempfile

PROGRAMS = [("startup_plakmund", "Plakmund"), ("startup_stock", "stock-widget window"),
            ("startup_label_button", "label-and-button window")]

# (what it is, function as callgrind_annotate names it), in the order shown.
ITEMS = [
    ("whole process", None),
    ("main()", "main"),
    ("QApplication made", "QApplication::QApplication(int&, char**, int)"),
    ("window made (MainWindow)", "plakmund::MainWindow::MainWindow(plakmund::UserInterface*)"),
    ("  16 slot rows", "plakmund::MainWindow::createSlotRows()"),
    ("  title and board picture", "plakmund::MainWindow::createTitleAndPicture()"),
    ("  command buttons", "plakmund::MainWindow::createCommands()"),
    ("  stacking and tab order", "plakmund::MainWindow::arrangeControls()"),
    ("window shown (QWidget::show)", "QWidget::show()"),
    ("event loop: first paint (QApplication::exec)", "QApplication::exec()"),
    ("  QLabel paint (title, board, status)", "QLabel::paintEvent(QPaintEvent*)"),
    ("  QLineEdit paint (16 name boxes)", "QLineEdit::paintEvent(QPaintEvent*)"),
    ("  QGroupBox paint (2 frames)", "QGroupBox::paintEvent(QPaintEvent*)"),
    ("  picture button paint (6)", "plakmund::PictureButton::paintEvent(QPaintEvent*)"),
    ("  QPushButton paint", "QPushButton::paintEvent(QPaintEvent*)"),
    ("font list read (fontconfig), in either", "QFontDatabasePrivate::ensureFontDatabase()"),
    ("fonts found and loaded, with the list", "QFontDatabasePrivate::load(QFontPrivate const*, int)"),
    ("pictures decoded (QImageReader::read)", "QImageReader::read(QImage*)"),
    ("plugins loaded (QFactoryLoader::instance)", "QFactoryLoader::instance(int) const"),
    ("window closed (~MainWindow)", "plakmund::MainWindow::~MainWindow()"),
    ("QApplication closed", "QApplication::~QApplication()"),
]

LINE = re.compile(r"^\s*([\d,]+)\s+\([\s\d.]+%\)\s+\S*?:(.+?) \[")


def inclusive_costs(program):
    """Inclusive instructions by function name, and the whole run's total."""
    with tempfile.TemporaryDirectory() as folder:
        out = os.path.join(folder, "callgrind.out")
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
        subprocess.run(["valgrind", "--tool=callgrind", f"--callgrind-out-file={out}", program],
                       check=True, capture_output=True, env=env)
        text = subprocess.run(["callgrind_annotate", "--inclusive=yes", "--threshold=100", out],
                              check=True, capture_output=True, text=True).stdout
    costs = {}
    for line in text.splitlines():
        if line.rstrip().endswith("PROGRAM TOTALS"):
            costs[None] = int(line.split()[0].replace(",", ""))
            continue
        match = LINE.match(line)
        if match:  # the first line of a name is its outermost call
            costs.setdefault(match.group(2), int(match.group(1).replace(",", "")))
    return costs


def main():
    build = sys.argv[1]
    markdown = "--markdown" in sys.argv
    costs = {name: inclusive_costs(os.path.join(build, "bench", name)) for name, _ in PROGRAMS}
    header = ("callgrind, inclusive instructions (millions)",) + tuple(label for _, label in PROGRAMS)
    rows = []
    for label, function in ITEMS:
        figures = [costs[name].get(function) for name, _ in PROGRAMS]
        if any(figures):
            rows.append((label,) + tuple(f"{figure / 1e6:.1f}" if figure else "-" for figure in figures))
    if markdown:
        print("| " + " | ".join(header) + " |")
        print("|" + "---|" * len(header))
        for row in rows:
            print("| " + " | ".join(cell.replace("  ", "&nbsp;&nbsp;") for cell in row) + " |")
    else:
        widths = [max(len(row[i]) for row in [header] + rows) for i in range(len(header))]
        for row in [header] + rows:
            print("  ".join(cell.ljust(width) for cell, width in zip(row, widths)).rstrip())


if __name__ == "__main__":
    main()
