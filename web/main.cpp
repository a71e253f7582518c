#include "Events.h"
#include "MainPage.h"
#include "WebStore.h"

int main() {
    static WebStore store;
    static MainPage page(store);
    listen(page);
}
