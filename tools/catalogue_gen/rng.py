"""Random numbers: splitmix64, so results never depend on the Python version."""


class Rng:
    MASK = (1 << 64) - 1

    def __init__(self, seed):
        self.state = seed & self.MASK

    def next(self):
        self.state = (self.state + 0x9E3779B97F4A7C15) & self.MASK
        z = self.state
        z = ((z ^ (z >> 30)) * 0xBF58476D1CE4E5B9) & self.MASK
        z = ((z ^ (z >> 27)) * 0x94D049BB133111EB) & self.MASK
        return z ^ (z >> 31)

    def below(self, n):
        return self.next() % n

    def between(self, lo, hi):
        return lo + self.below(hi - lo + 1)

    def chance(self, percent):
        return self.below(100) < percent

    def choice(self, seq):
        return seq[self.below(len(seq))]

    def skewed(self, seq):
        """Earlier entries come up more often."""
        return seq[min(self.below(len(seq)), self.below(len(seq)))]

    def shuffle(self, items):
        for i in range(len(items) - 1, 0, -1):
            j = self.below(i + 1)
            items[i], items[j] = items[j], items[i]

    def pick(self, seq, count):
        items = list(seq)
        self.shuffle(items)
        return items[:count]
