// The memory model's figures: updating the state of 100,000 answered
// questions, and ordering 20,000 items by what is due, in milliseconds
// (median of 9 rounds).
#include "BenchSupport.h"
#include "progress/Fsrs.h"

#include <QElapsedTimer>

#include <cstdio>
#include <vector>

int main()
{
    const Fsrs::Scheduler fsrs;
    constexpr int items = 20000;
    constexpr int answers = 100000;
    std::vector<double> updates, dueLists;
    double sink = 0;
    for (int round = 0; round < 9; ++round) {
        std::vector<Fsrs::State> states(items, fsrs.First(Fsrs::Grade::Good));
        QElapsedTimer timer;
        timer.start();
        for (int a = 0; a < answers; ++a) {
            Fsrs::State &state = states[size_t(a % items)];
            state = fsrs.Next(state, 1 + a % 37, a % 7 == 0 ? Fsrs::Grade::Again : Fsrs::Grade::Good);
        }
        updates.push_back(timer.nsecsElapsed() / 1e6);
        std::vector<Fsrs::Review> reviews;
        reviews.reserve(items);
        for (int i = 0; i < items; ++i)
            reviews.push_back({states[size_t(i)].stability, double(i % 60), double(30 - i % 60)});
        timer.restart();
        const std::vector<int> due = fsrs.DueFirst(reviews, 0.5);
        dueLists.push_back(timer.nsecsElapsed() / 1e6);
        sink += double(due.size()) + states.front().stability;
    }
    std::printf("practice update_100000_answers_ms %.2f\n", Bench::Median(updates));
    std::printf("practice due_list_20000_items_ms %.2f\n", Bench::Median(dueLists));
    return sink > 0 ? 0 : 1;
}
