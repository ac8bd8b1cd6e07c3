// Lists a generated card of 10,000 empty recordings spread over the category
// folders and some sub-folders, the way the list refresh does (full listing,
// then the name order), and times it against
//   find DIR -type f -iname '*.avi' -printf '%s %p\n' | sort
// on the same card in the same run. Prints both times and their ratio.
//
// Usage: bench_catalog_scan [--rounds N] [--keep DIR]
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "catalog/recording_listing.h"

namespace {

using Clock = std::chrono::steady_clock;
using motrevix::catalog::RecordingRows;

struct FolderShare {
  const char* folder;
  char prefix;
  int count;
};

// 10,000 recordings: most directly in the category folders, some in sub-folders.
constexpr FolderShare kCard[] = {
    {"Normal", 'N', 4000},          {"Normal/2024_05", 'N', 1000}, {"Normal/2024_06", 'N', 1000},
    {"Event", 'E', 1200},           {"Event/old", 'E', 300},       {"PARK", 'P', 1000},
    {"PARK/backup/2023", 'P', 500}, {"Motion", 'M', 500},          {"Manual", 'A', 500},
};

bool WriteCard(const QString& root, int& written) {
  written = 0;
  for (const auto& share : kCard) {
    const QString folder = root + "/" + share.folder;
    if (!QDir().mkpath(folder)) return false;
    for (int i = 0; i < share.count; ++i, ++written) {
      char name[64];
      const int minutes = written;  // one recording a minute from 1 May 2024
      std::snprintf(name, sizeof name, "%c_2024_%02d_%02d_%02d_%02d_%02d.AVI", share.prefix,
                    5 + minutes / (60 * 24 * 31), 1 + (minutes / (60 * 24)) % 28,
                    (minutes / 60) % 24, minutes % 60, i % 60);
      std::ofstream file(QFile::encodeName(folder + "/" + name).toStdString());
      if (!file) return false;
    }
  }
  return true;
}

double Milliseconds(Clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

std::size_t ListCard(const QString& root) {
  RecordingRows rows;
  motrevix::catalog::ListAll(root, rows);
  motrevix::catalog::SortByNameOrder(rows);
  return rows.size();
}

// The reference: the folder is handed to the shell as a positional argument,
// never pasted into the command text.
std::size_t FindAndSort(const QString& root) {
  QProcess process;
  process.start("/bin/sh",
                {"-c", "find \"$1\" -type f -iname '*.avi' -printf '%s %p\\n' | sort", "sh", root});
  process.waitForFinished(-1);
  const QByteArray out = process.readAllStandardOutput();
  if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) return 0;
  return static_cast<std::size_t>(out.count('\n'));
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  int rounds = 7;
  QString keep;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--rounds") == 0 && i + 1 < argc) {
      rounds = std::max(1, std::atoi(argv[++i]));
    } else if (std::strcmp(argv[i], "--keep") == 0 && i + 1 < argc) {
      keep = QFile::decodeName(argv[++i]);
    } else {
      std::fprintf(stderr, "usage: %s [--rounds N] [--keep DIR]\n", argv[0]);
      return 2;
    }
  }

  QTemporaryDir temporary;
  const QString root = keep.isEmpty() ? temporary.path() + "/card" : keep;
  int written = 0;
  const auto writeStart = Clock::now();
  if (!temporary.isValid() || !WriteCard(root, written)) {
    std::fprintf(stderr, "bench_catalog_scan: cannot write the card under %s\n",
                 QFile::encodeName(root).constData());
    return 1;
  }
  std::printf("card: %d empty recordings in %zu folders under %s (written in %.0f ms)\n", written,
              std::size(kCard), QFile::encodeName(root).constData(),
              Milliseconds(Clock::now() - writeStart));

  // One round of each first, so both read a warm directory cache.
  const std::size_t listed = ListCard(root);
  const std::size_t found = FindAndSort(root);
  if (listed != static_cast<std::size_t>(written) || found != listed) {
    std::fprintf(stderr, "bench_catalog_scan: counts differ: written %d, listed %zu, find %zu\n",
                 written, listed, found);
    return 1;
  }

  std::vector<double> ours;
  std::vector<double> reference;
  for (int round = 0; round < rounds; ++round) {
    auto start = Clock::now();
    ListCard(root);
    ours.push_back(Milliseconds(Clock::now() - start));
    start = Clock::now();
    FindAndSort(root);
    reference.push_back(Milliseconds(Clock::now() - start));
  }
  const double ourMedian = Median(ours);
  const double referenceMedian = Median(reference);
  std::printf("ListAll + name order:               median %.2f ms over %d rounds (best %.2f)\n",
              ourMedian, rounds, *std::min_element(ours.begin(), ours.end()));
  std::printf("find -iname '*.avi' -printf | sort: median %.2f ms over %d rounds (best %.2f)\n",
              referenceMedian, rounds, *std::min_element(reference.begin(), reference.end()));
  std::printf("ratio (ours / find): %.2f  (aim: at most 1.50)\n", ourMedian / referenceMedian);
  return 0;
}
