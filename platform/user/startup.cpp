// The platform as the program's loader. Before the program's static objects
// are constructed and before its main runs, the platform starts and attaches
// the modules linked into the program, each after the modules it needs. When
// the process ends normally, after the program's static objects are gone,
// the modules are detached, last attached first.
//
// The library's build links this file last, so that every other initialiser
// of the platform has run when this one does. The modules are attached
// before their own initialisers run and detached after their own static
// objects are destroyed: their entries must not rely on static objects with
// constructors or destructors (the program's modules keep none).
#include "user/user_state.h"

namespace {

__attribute__((constructor, used)) void StartAsLoader()
{
    vor::user::S();
}

// Runs when the platform library is finalised: after every module that
// needs it, and before its own static objects go.
__attribute__((destructor, used)) void DetachAtProcessEnd()
{
    vor::user::DetachModulesAtProcessEnd();
}

}  // namespace
