// The boards every suite shares, under the names the render tests know them by.
#pragma once

#include "app/Shell.h"
#include "platform/NullBackend.h"
#include "platform/Platform.h"
#include "puzzle/Tallix.h"
#include "tests/support/Boards.h"
#include "tests/support/TestFiles.h"

namespace puzzletest {
using namespace testsupport;
}  // namespace puzzletest
