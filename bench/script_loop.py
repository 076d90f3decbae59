# The same loop as script_loop.vbs, for the reference figure.
total = 0
count = 0
for i in range(1, 1000001):
    total = (total + i * 3) % 1000003
    text = "n" + str(i % 100)
    if len(text) == 3:
        count = count + 1
print(total, count)
