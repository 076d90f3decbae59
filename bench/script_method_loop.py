# The same calls as script_method_loop.vbs, in python3.
class Accumulator:
    def __init__(self):
        self.total = 0

    def add(self, n):
        self.total = (self.total + n) % 1000003

    @property
    def value(self):
        return self.total


accumulator = Accumulator()
for i in range(1, 1000001):
    accumulator.add(i * 3)
print(accumulator.value)
