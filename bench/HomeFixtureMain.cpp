// The generating side of bench/home-fixture.
//   tidewell_home_fixture ROOT   builds the fixture below ROOT (which must
//                                not exist) and prints what it made
#include <cstdio>

#include "bench/HomeFixture.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: tidewell_home_fixture ROOT\n");
    return 2;
  }
  const auto made = tidewell::bench::generateHomeFixture(argv[1]);
  if (!made) {
    std::fprintf(stderr, "home-fixture: could not build %s\n", argv[1]);
    return 1;
  }
  std::printf("home-fixture: %lld files, %lld folders, %lld links, %.2f GiB allocated\n",
              static_cast<long long>(made->files), static_cast<long long>(made->folders),
              static_cast<long long>(made->links), double(made->allocatedBytes) / (1024.0 * 1024 * 1024));
  return 0;
}
