// The measuring side of bench/measure.
//   tidewell_measure_bench generate ROOT [FILES FOLDERS]  builds a tree
//   tidewell_measure_bench measure PATH                   prints "BYTES PEAK_KIB"
// Timing is done by the script around whole processes, as for du and gdu.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "bench/BenchTree.h"
#include "engine/clean/DiskScanner.h"
#include "platform/core/PeakMemory.h"

namespace {

int usage() {
  std::fprintf(stderr, "usage: tidewell_measure_bench generate ROOT [FILES FOLDERS] | measure PATH\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return usage();
  const std::string command = argv[1];
  if (command == "generate") {
    tidewell::bench::BenchTreeShape shape;
    if (argc >= 5) {
      shape.files = std::atoi(argv[3]);
      shape.folders = std::atoi(argv[4]);
    }
    if (shape.files < 1 || shape.folders < 1) return usage();
    return tidewell::bench::generateBenchTree(argv[2], shape) ? 0 : 1;
  }
  if (command == "measure") {
    const int64_t bytes = tidewell::engine::DiskScanner::allocatedSize(argv[2]);
    std::printf("%lld %ld\n", static_cast<long long>(bytes), tidewell::platform::peakResidentKib());
    return 0;
  }
  return usage();
}
