#pragma once

#include <functional>
#include <optional>
#include <utility>

namespace Vb {

// Where tests answer in place of the user: while an answerer is set, what
// would ask the user takes its answer and shows nothing.
template <class Request, class Answer>
class Seam
{
public:
    using Answerer = std::function<Answer(Request)>;

    static void set(Answerer a) { answerer() = std::move(a); }

    // The answerer's answer, or nothing when none is set.
    static std::optional<Answer> answer(Request request)
    {
        if (!answerer())
            return std::nullopt;
        return answerer()(std::forward<Request>(request));
    }

    // Sets an answerer for its own lifetime.
    class Scoped
    {
    public:
        explicit Scoped(Answerer a) { set(std::move(a)); }
        ~Scoped() { set({}); }
        Scoped(const Scoped &) = delete;
        Scoped &operator=(const Scoped &) = delete;
    };

private:
    static Answerer &answerer()
    {
        static Answerer a;
        return a;
    }
};

} // namespace Vb
