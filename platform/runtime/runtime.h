// The program's runtime helpers in one include.
#pragma once

#include "platform/runtime/directory.h"
#include "platform/runtime/files.h"
#include "platform/runtime/memory.h"
#include "platform/runtime/numtext.h"
#include "platform/runtime/strings.h"
#include "platform/runtime/system.h"
#include "platform/runtime/value.h"
#include "platform/runtime/version.h"
