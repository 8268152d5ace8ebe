#include "refdata/PsiListen.h"

namespace vitrano {

TPsiListen& PsiListen() {
    static TPsiListen listen;
    return listen;
}

} // namespace vitrano
